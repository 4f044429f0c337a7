// Small packages for loading tests: PNG pictures made in memory, written with the package writer
// into a folder of the test's own, with SDL's dummy display open so pictures can be converted.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "pjw/PackageWriter.h"

namespace wtrq::test {

// An RGB PNG of the given size; `colour` gives 0xRRGGBB for each pixel.
std::vector<std::uint8_t> pngBytes(int width, int height, const std::function<Uint32(int, int)>& colour);
std::vector<std::uint8_t> bytesOf(const std::string& text);

class PackageTest : public ::testing::Test {
protected:
    PackageTest();
    ~PackageTest() override;

    // Writes a package into the test's folder and returns its path.
    std::string writePackage(const std::string& name, const std::vector<pjw::PackageMember>& members);
    bool scratchFileExists(const std::string& name) const;

    std::filesystem::path folder;
};

}  // namespace wtrq::test
