// Package assembly and writing.
#include "pjw/PackageWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>
#include <stdexcept>

namespace pjw {

namespace {

void checkMembers(const std::vector<PackageMember>& members)
{
    if (members.size() > 255) {
        throw std::invalid_argument("a package holds at most 255 members, not " + std::to_string(members.size()));
    }
    std::set<std::string> seen;
    for (const PackageMember& member : members) {
        if (member.name.empty()) {
            throw std::invalid_argument("a member name cannot be empty");
        }
        if (member.name.size() > 63) {
            throw std::invalid_argument("member name \"" + member.name + "\" is longer than 63 characters");
        }
        if (member.name.find(' ') != std::string::npos) {
            throw std::invalid_argument("member name \"" + member.name + "\" contains a space");
        }
        if (!seen.insert(member.name).second) {
            throw std::invalid_argument("member name \"" + member.name + "\" appears twice");
        }
        if (member.data.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
            throw std::invalid_argument("member \"" + member.name + "\" is larger than 2147483647 bytes");
        }
    }
}

}  // namespace

std::vector<uint8_t> buildPackage(const std::vector<PackageMember>& members, uint8_t key, uint8_t separator)
{
    checkMembers(members);
    std::vector<uint8_t> bytes = {'P', 'J', 'W', '1', key, static_cast<uint8_t>(members.size())};
    for (const PackageMember& member : members) {
        const std::string entry = member.name + " " + std::to_string(member.data.size()) + " ";
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    for (size_t i = 0; i < members.size(); ++i) {
        if (i > 0) {
            bytes.push_back(separator);
        }
        for (uint8_t plain : members[i].data) {
            bytes.push_back(static_cast<uint8_t>(plain + key));
        }
    }
    return bytes;
}

void writePackage(const std::string& path, const std::vector<PackageMember>& members, uint8_t key)
{
    const std::vector<uint8_t> bytes = buildPackage(members, key);
    const std::string partial = path + ".partial";
    std::FILE* out = std::fopen(partial.c_str(), "wb");
    if (out == nullptr) {
        throw std::runtime_error("cannot write \"" + path + "\": " + std::strerror(errno));
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed || std::rename(partial.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(partial.c_str());
        throw std::runtime_error("cannot write \"" + path + "\": " + reason);
    }
}

}  // namespace pjw
