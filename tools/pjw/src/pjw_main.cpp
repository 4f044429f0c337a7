// pjw: lists, extracts and packs the PJW package files of wtrq's data.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "pjw/PackageWriter.h"

namespace fs = std::filesystem;

namespace {

int usage()
{
    std::cerr << "Usage:\n"
                 "  pjw list PACKAGE                     one member a line: name, a space, size\n"
                 "  pjw extract PACKAGE MEMBER [OUTPUT]  to standard output when no output is named\n"
                 "  pjw extract-all PACKAGE FOLDER       every member into FOLDER, named as in the package\n"
                 "  pjw pack OUTPUT --key N FILE...      members named by their file names, key 0 to 255\n";
    return 2;
}

int list(const std::string& packagePath)
{
    Package package(packagePath);
    for (size_t i = 0; i < package.memberNames().size(); ++i) {
        std::cout << package.memberNames()[i] << ' ' << package.memberSizes()[i] << '\n';
    }
    return 0;
}

int extract(const std::string& packagePath, const std::string& member, const std::string* output)
{
    Package package(packagePath);
    if (output != nullptr) {
        package.extractTo(member, *output);
    } else {
        package.extractToStream(member, stdout, "standard output");
        std::fflush(stdout);
    }
    return 0;
}

// A member name comes from the file, so it must not lead the output out of the folder.
bool safeFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

int extractAll(const std::string& packagePath, const fs::path& folder)
{
    Package package(packagePath);
    for (const std::string& name : package.memberNames()) {
        if (!safeFileName(name)) {
            std::cerr << "pjw: " << packagePath << ": member name \"" << name
                      << "\" is not a plain file name; nothing extracted\n";
            return 1;
        }
    }
    fs::create_directories(folder);
    for (const std::string& name : package.memberNames()) {
        package.extractTo(name, (folder / name).string());
    }
    return 0;
}

int pack(const std::string& output, const std::string& keyText, const std::vector<std::string>& files)
{
    char* end = nullptr;
    const long key = std::strtol(keyText.c_str(), &end, 10);
    if (keyText.empty() || *end != '\0' || key < 0 || key > 255) {
        std::cerr << "pjw: the key must be a number from 0 to 255, not \"" << keyText << "\"\n";
        return 2;
    }
    std::vector<pjw::PackageMember> members;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "pjw: cannot read \"" << file << "\"\n";
            return 1;
        }
        members.push_back({fs::path(file).filename().string(),
                           std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
    }
    pjw::writePackage(output, members, static_cast<uint8_t>(key));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "list") {
            return list(args[1]);
        }
        if ((args.size() == 3 || args.size() == 4) && args[0] == "extract") {
            return extract(args[1], args[2], args.size() == 4 ? &args[3] : nullptr);
        }
        if (args.size() == 3 && args[0] == "extract-all") {
            return extractAll(args[1], args[2]);
        }
        if (args.size() >= 4 && args[0] == "pack" && args[2] == "--key") {
            return pack(args[1], args[3], std::vector<std::string>(args.begin() + 4, args.end()));
        }
    } catch (const JWEException& failure) {
        std::cerr << "pjw: " << failure.what() << '\n' << "pjw: " << failure.getDetail() << '\n';
        return 1;
    } catch (const std::exception& failure) {
        std::cerr << "pjw: " << failure.what() << '\n';
        return 1;
    }
    return usage();
}
