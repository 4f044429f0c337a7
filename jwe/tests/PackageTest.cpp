// Package reader: the format's edge cases, byte for byte, and every error of a damaged file.
#include "jwe/Package.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"
#include "jwe/Exceptions.h"
#include "jwe/ScratchFolder.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

struct Member {
    std::string name;
    std::string plain;
};

// A package assembled by hand: header, directory, then each member shifted by the key with
// one separator byte between members.
std::string rawPackage(unsigned char key, const std::vector<Member>& members, char separator = '\0')
{
    std::string bytes = "PJW1"s + static_cast<char>(key) + static_cast<char>(members.size());
    for (const Member& member : members) {
        bytes += member.name + " " + std::to_string(member.plain.size()) + " ";
    }
    for (size_t i = 0; i < members.size(); ++i) {
        if (i > 0) {
            bytes += separator;
        }
        for (char c : members[i].plain) {
            bytes += static_cast<char>(static_cast<unsigned char>(c) + key);
        }
    }
    return bytes;
}

struct FailureText {
    std::string message;
    std::string detail;
};

template <typename Action>
FailureText failureOf(Action action)
{
    try {
        action();
    } catch (const FileLoadingFailed& failure) {
        return {failure.what(), failure.getDetail()};
    }
    return {"no failure", ""};
}

class PackageTest : public ::testing::Test {
protected:
    std::string extracted(const std::string& packageBytes, const std::string& member)
    {
        Package package(folder.write("p.pjw", packageBytes));
        const std::string out = folder.file("out.bin");
        package.extractTo(member, out);
        return TempFolder::read(out);
    }
    TempFolder folder;
};

TEST_F(PackageTest, ReadsAPackageWrittenByteByByte)
{
    // key 3; "a.txt" holds "hi", "b" is empty, "c" holds 0x00 0xFF; separators 0x7E.
    const std::string bytes = "PJW1\x03\x03"s + "a.txt 2 b 0 c 2 " + "\x6B\x6C" + "\x7E" + "" + "\x7E" + "\x03\x02";
    Package package(folder.write("p.pjw", bytes));
    EXPECT_EQ(package.memberNames(), (std::vector<std::string>{"a.txt", "b", "c"}));
    EXPECT_EQ(package.memberSizes(), (std::vector<int32_t>{2, 0, 2}));
    EXPECT_EQ(package.scramblingKey(), 3);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"a.txt", "hi"}, {"b", ""}, {"c", "\x00\xFF"s}};
    for (const auto& [name, plain] : expected) {
        package.extractTo(name, folder.file(name + ".out"));
        EXPECT_EQ(TempFolder::read(folder.file(name + ".out")), plain) << name;
        EXPECT_TRUE(fs::exists(folder.file(name + ".out"))) << name;
    }
}

TEST_F(PackageTest, KeysShiftEveryByteModulo256)
{
    const std::string allBytes = [] {
        std::string s;
        for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
        return s;
    }();
    for (int key : {0, 1, 128, 255}) {
        EXPECT_EQ(extracted(rawPackage(static_cast<unsigned char>(key), {{"m", allBytes}}), "m"), allBytes) << key;
    }
    // Stored unchanged with key 0; with key 255 a stored 0x00 is a plain 0x01.
    EXPECT_EQ(extracted("PJW1\x00\x01m 1 \x41"s, "m"), "\x41");
    EXPECT_EQ(extracted("PJW1\xFF\x01m 1 \x00"s, "m"), "\x01");
}

TEST_F(PackageTest, SeparatorByteIsNeverRead)
{
    for (char separator : {'\0', ' ', '\n', '\xFF', 'x'}) {
        const std::string bytes = rawPackage(7, {{"one", "first"}, {"two", "second"}, {"three", "3"}}, separator);
        EXPECT_EQ(extracted(bytes, "two"), "second") << int(separator);
        EXPECT_EQ(extracted(bytes, "three"), "3") << int(separator);
    }
}

TEST_F(PackageTest, NamesMatchExactlyAndTheFirstDuplicateWins)
{
    const std::string bytes = rawPackage(9, {{"Pic.png", "upper"}, {"pic.png", "first"}, {"pic.png", "second"}});
    EXPECT_EQ(extracted(bytes, "pic.png"), "first");
    EXPECT_EQ(extracted(bytes, "Pic.png"), "upper");
    const FailureText failure = failureOf([&] { extracted(bytes, "PIC.PNG"); });
    EXPECT_EQ(failure.message, "Failed to load file \"PIC.PNG\".");
    EXPECT_EQ(failure.detail, "Not found inside package.");
}

TEST_F(PackageTest, EmptyPackageOpensAndFindsNothing)
{
    Package package(folder.write("p.pjw", rawPackage(0, {})));
    EXPECT_TRUE(package.memberNames().empty());
    const FailureText failure = failureOf([&] { package.extract("anything"); });
    EXPECT_EQ(failure.message, "Failed to load file \"anything\".");
    EXPECT_EQ(failure.detail, "Not found inside package.");
}

TEST_F(PackageTest, ExtractUsesTheScratchFileAndCloseDeletesIt)
{
    Package package(folder.write("p.pjw", rawPackage(5, {{"a", "alpha"}, {"b", "beta"}})));
    const std::string temp = scratchPath("temp.tmp");
    package.extract("a");
    EXPECT_EQ(TempFolder::read(temp), "alpha");
    package.extract("b");
    EXPECT_EQ(TempFolder::read(temp), "beta");
    package.close();
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_TRUE(package.memberNames().empty());
}

TEST_F(PackageTest, CloseDeletesTheScratchFileEvenWithoutExtraction)
{
    const std::string temp = scratchPath("temp.tmp");
    folder.write("p.pjw", rawPackage(0, {{"a", "x"}}));
    std::ofstream(temp) << "left over";
    {
        Package package(folder.file("p.pjw"));
    }  // destruction closes
    EXPECT_FALSE(fs::exists(temp));
}

TEST_F(PackageTest, UnknownMemberLeavesAnExistingOutputAlone)
{
    Package package(folder.write("p.pjw", rawPackage(0, {{"a", "x"}})));
    const std::string out = folder.write("out.bin", "keep me");
    EXPECT_THROW(package.extractTo("b", out), FileLoadingFailed);
    EXPECT_EQ(TempFolder::read(out), "keep me");
}

TEST_F(PackageTest, OutputThatCannotBeCreatedIsReported)
{
    Package package(folder.write("p.pjw", rawPackage(0, {{"a", "x"}})));
    const std::string out = folder.file("no/such/folder/out.bin");
    const FailureText failure = failureOf([&] { package.extractTo("a", out); });
    EXPECT_EQ(failure.message, "Failed to load file \"" + out + "\".");
    EXPECT_EQ(failure.detail, "Failed to open output stream.");
}

struct OpenFailure {
    const char* label;
    std::string bytes;
    std::string detail;
};

TEST_F(PackageTest, DamagedOrForeignFilesFailToOpenNamingThePackage)
{
    const std::string name63(63, 'n');
    const std::string name64(64, 'n');
    const std::string digits64 = "0" + std::string(63, '1');
    const std::vector<OpenFailure> cases = {
        {"empty file", "", "File is not PJW package file."},
        {"two magic characters and a line break", "PJ\n1\x00\x00"s, "File is not PJW package file."},
        {"other magic", "PJX1\x00\x00"s, "File is not PJW package file."},
        {"lower-case magic", "pjw1\x00\x00"s, "File is not PJW package file."},
        {"line break for the version", "PJW\n\x00\x00"s, "Wrong PJW package file version."},
        {"version 2", "PJW2\x00\x00"s, "Wrong PJW package file version."},
        {"ends after the magic", "PJW", "Wrong PJW package file version."},
        {"ends before the key", "PJW1", "Package directory ends before its last entry."},
        {"ends before the count", "PJW1\x05"s, "Package directory ends before its last entry."},
        {"name without its space", "PJW1\x00\x01name"s, "Package directory ends before its last entry."},
        {"size without its space", "PJW1\x00\x01name 12"s, "Package directory ends before its last entry."},
        {"fewer entries than counted", "PJW1\x00\x02" "a 1 "s, "Package directory ends before its last entry."},
        {"name of 64 characters", "PJW1\x00\x01"s + name64 + " 0 ", "Member name in the package directory is too long."},
        {"size text of 64 characters", "PJW1\x00\x01" "a "s + digits64 + " ", "Member size in the package directory is too long."},
        {"negative size", "PJW1\x00\x01" "a -1 "s, "Member size in the package directory is negative."},
        {"size beyond 32 bits", "PJW1\x00\x01" "a 4294967296 "s, "Member size in the package directory is too large."},
        {"size beyond any number", "PJW1\x00\x01" "a 99999999999999999999999 "s, "Member size in the package directory is too large."},
    };
    for (const OpenFailure& c : cases) {
        const std::string path = folder.write("damaged.pjw", c.bytes);
        const FailureText failure = failureOf([&] { Package package(path); });
        EXPECT_EQ(failure.message, "Failed to load file \"" + path + "\".") << c.label;
        EXPECT_EQ(failure.detail, c.detail) << c.label;
    }
    // The longest name and size text the format allows still open.
    Package longest(folder.write("longest.pjw", "PJW1\x00\x01"s + name63 + " " + std::string(62, '0') + "1 x"));
    EXPECT_EQ(longest.memberNames().at(0), name63);
    EXPECT_EQ(longest.memberSizes().at(0), 1);
}

TEST_F(PackageTest, MissingPackageIsReportedByPath)
{
    const std::string path = folder.file("data/tiles.pjw");
    const FailureText failure = failureOf([&] { Package package(path); });
    EXPECT_EQ(failure.message, "Failed to load file \"" + path + "\".");
    EXPECT_EQ(failure.detail, "Read-mode opening failed.");
}

TEST_F(PackageTest, SizeTextReadsLikeTheRuntimeConversion)
{
    // Digits up to the first other character count; text without digits is size 0.
    const std::vector<std::pair<std::string, int32_t>> cases = {
        {"12abc", 12}, {"+3", 3}, {"\t7", 7}, {"abc", 0}, {"007", 7}, {"2147483647", 2147483647}};
    for (const auto& [text, size] : cases) {
        Package package(folder.write("p.pjw", "PJW1\x00\x01m "s + text + " "));
        EXPECT_EQ(package.memberSizes().at(0), size) << text;
    }
}

TEST_F(PackageTest, MemberDataEndingEarlyFailsAndLeavesNoOutput)
{
    // The second member claims more bytes than the file holds.
    std::string bytes = rawPackage(1, {{"a", "aaaa"}, {"b", "bbbb"}});
    bytes.resize(bytes.size() - 2);
    const std::string path = folder.write("short.pjw", bytes);
    Package package(path);
    EXPECT_EQ(TempFolder::read((package.extractTo("a", folder.file("a.out")), folder.file("a.out"))), "aaaa");
    const std::string out = folder.file("b.out");
    const FailureText failure = failureOf([&] { package.extractTo("b", out); });
    EXPECT_EQ(failure.message, "Failed to load file \"" + path + "\".");
    EXPECT_EQ(failure.detail, "Data of member \"b\" ends before its stated size.");
    EXPECT_FALSE(fs::exists(out));
    // The package stays open and usable after the failure.
    EXPECT_NO_THROW(package.extractTo("a", folder.file("again.out")));
}

TEST_F(PackageTest, HugeSizesNeitherOverflowNorReadPastTheFile)
{
    const std::string bytes = "PJW1\x00\x03" "a 2147483647 b 2147483647 c 1 xyz"s;
    const std::string path = folder.write("huge.pjw", bytes);
    Package package(path);
    for (const char* member : {"a", "b", "c"}) {
        const FailureText failure = failureOf([&] { package.extractTo(member, folder.file("out")); });
        EXPECT_EQ(failure.detail, "Data of member \""s + member + "\" ends before its stated size.") << member;
        EXPECT_FALSE(fs::exists(folder.file("out"))) << member;
    }
}

TEST_F(PackageTest, ExtractionAfterCloseFails)
{
    Package package(folder.write("p.pjw", rawPackage(0, {{"a", "x"}})));
    package.close();
    EXPECT_THROW(package.extractTo("a", folder.file("out")), FileLoadingFailed);
    EXPECT_FALSE(fs::exists(folder.file("out")));
}

}  // namespace
