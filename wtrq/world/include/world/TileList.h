// The tile list "tiles.dat": one tile kind per line, "image member|no or anything else|nonbg or anything else".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wtrq {

struct TileListEntry {
    std::string imageMember;
    bool isGround = true;      // the second field is anything but exactly "no"
    bool transparent = false;  // the third field is exactly "nonbg"
};

// Reads the whole list. Lines end with a line break, the last one at the end of the text, so
// a final line break makes an empty last line. Throws FileLoadingFailed naming "tiles.dat" for
// an empty line, a line with fewer than three fields or an empty image name, and for a list
// without a ground kind or without an obstacle kind (a map could never be generated from it).
std::vector<TileListEntry> parseTileList(std::string_view text);

}  // namespace wtrq
