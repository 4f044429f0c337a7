// The package writer against the game's reader, and against a package spelled out byte by byte.
#include "pjw/PackageWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "jwe/Package.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

TEST(PackageWriter, SpellsOutTheFormatByteByByte)
{
    const Bytes expected = {'P', 'J', 'W', '1', 2, 2,                 // magic, version, key, count
                            'a', '.', 'p', 'n', 'g', ' ', '3', ' ',   // first entry
                            'b', ' ', '0', ' ',                       // second entry, empty member
                            'x' + 2, 'y' + 2, 0x01, 0xEE};            // data, then the separator
    EXPECT_EQ(pjw::buildPackage({{"a.png", {'x', 'y', 0xFF}}, {"b", {}}}, 2, 0xEE), expected);
    EXPECT_EQ(pjw::buildPackage({}, 9), (Bytes{'P', 'J', 'W', '1', 9, 0}));
}

TEST(PackageWriter, WhatItWritesTheReaderGivesBackForEveryKey)
{
    Bytes everyByte;
    for (int i = 0; i < 256; ++i) everyByte.push_back(static_cast<uint8_t>(i));
    const std::vector<pjw::PackageMember> members = {
        {"palab.ttf", everyByte}, {"empty", {}}, {"start_menu.png", bytesOf("PNG data")}, {std::string(63, 'n'), {7}}};
    TempFolder folder;
    for (int key : {0, 1, 77, 255}) {
        const std::string path = folder.file("round.pjw");
        pjw::writePackage(path, members, static_cast<uint8_t>(key));
        Package package(path);
        ASSERT_EQ(package.memberNames().size(), members.size());
        for (const pjw::PackageMember& member : members) {
            package.extractTo(member.name, folder.file("out"));
            const std::string out = TempFolder::read(folder.file("out"));
            EXPECT_EQ(Bytes(out.begin(), out.end()), member.data) << member.name << " key " << key;
        }
    }
}

TEST(PackageWriter, RefusesWhatTheFormatCannotHold)
{
    const std::vector<std::pair<const char*, std::vector<pjw::PackageMember>>> cases = {
        {"empty name", {{"", {}}}},
        {"space in a name", {{"a b", {}}}},
        {"name of 64 characters", {{std::string(64, 'n'), {}}}},
        {"duplicate name", {{"a", {}}, {"a", {1}}}},
        {"256 members", std::vector<pjw::PackageMember>(256, {"same", {}})},
    };
    for (const auto& [label, members] : cases) {
        EXPECT_THROW(pjw::buildPackage(members, 0), std::invalid_argument) << label;
    }
    std::vector<pjw::PackageMember> most;
    for (int i = 0; i < 255; ++i) most.push_back({"m" + std::to_string(i), {}});
    EXPECT_EQ(pjw::buildPackage(most, 0).at(5), 255);
}

TEST(PackageWriter, FailedWriteLeavesNoFileBehind)
{
    TempFolder folder;
    const std::string path = folder.file("missing/folder/p.pjw");
    EXPECT_THROW(pjw::writePackage(path, {{"a", {1}}}, 0), std::runtime_error);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path));
}

}  // namespace
