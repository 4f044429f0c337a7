// Writes PJW package files for the game's data; the game itself only ever reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pjw {

struct PackageMember {
    std::string name;
    std::vector<uint8_t> data;
};

// The bytes of a package: header, directory of names and sizes, then each member's data plus
// the key (modulo 256), with the separator byte between members. The same members always give
// the same bytes. Throws std::invalid_argument for what the format cannot hold: more than 255
// members, an empty name, a name with a space or of more than 63 characters, a duplicate name,
// a member larger than 2147483647 bytes.
std::vector<uint8_t> buildPackage(const std::vector<PackageMember>& members, uint8_t key, uint8_t separator = 0);

// buildPackage written to a file, through a temporary beside it so that a failed write never
// leaves half a package under the name. Throws std::runtime_error naming the file.
void writePackage(const std::string& path, const std::vector<PackageMember>& members, uint8_t key);

}  // namespace pjw
