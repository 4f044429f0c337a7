// Reading the tile list, refusing what would leave a field unread or a map impossible to make.
#include "world/TileList.h"

#include <algorithm>

#include "jwe/Exceptions.h"
#include "jwe/Utilities.h"

namespace wtrq {
namespace {

const char* const listName = "tiles.dat";

[[noreturn]] void refuse(std::size_t line, const std::string& what)
{
    throw FileLoadingFailed(listName, "Line " + std::to_string(line) + " " + what);
}

}  // namespace

std::vector<TileListEntry> parseTileList(std::string_view text)
{
    std::vector<TileListEntry> entries;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const std::string line(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        ++lineNumber;
        if (line.empty())
            refuse(lineNumber, "is empty.");
        // Fields after the third are ignored, as are pieces past the sixteenth.
        const std::vector<std::string> fields = split(line, "|", 16);
        if (fields.size() < 3)
            refuse(lineNumber, "has fewer than three fields separated by \"|\".");
        if (fields[0].empty())
            refuse(lineNumber, "names no image member.");
        entries.push_back({fields[0], fields[1] != "no", fields[2] == "nonbg"});
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    auto ground = [](const TileListEntry& e) { return e.isGround; };
    if (std::none_of(entries.begin(), entries.end(), ground))
        throw FileLoadingFailed(listName, "The list has no ground tile type.");
    if (std::all_of(entries.begin(), entries.end(), ground))
        throw FileLoadingFailed(listName, "The list has no obstacle tile type (second field \"no\").");
    return entries;
}

}  // namespace wtrq
