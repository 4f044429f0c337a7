// split, takeToken, toString, randomInt and sign.
#include "jwe/Utilities.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

TEST(Split, PiecesUpToTheMaximum)
{
    const struct {
        std::string text;
        std::string delimiter;
        int maximum;
        Pieces expected;
    } cases[] = {
        {"one|two|three", "|", 16, {"one", "two", "three"}},
        {"one|two|three", "|", -1, {"one", "two", "three"}},
        {"one|two|three", "|", 2, {"one", "two"}},
        {"one|two|three", "|", 3, {"one", "two", "three"}},
        {"one|", "|", 16, {"one", ""}},
        {"", "|", 16, {""}},
        {"|", "|", 16, {"", ""}},
        {"no delimiter", "|", 16, {"no delimiter"}},
        {"a&&b&&c", "&&", -1, {"a", "b", "c"}},
        {"a&b", "&&", -1, {"a&b"}},
        {"anna|1200", "|", 2, {"anna", "1200"}},
        {"x|y|z", "|", 1, {"x"}},
        {"x|y", "", -1, {"x|y"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(split(c.text, c.delimiter, c.maximum), c.expected) << c.text << " max " << c.maximum;
    }
}

TEST(TakeToken, CutsAtTheFirstWholeDelimiter)
{
    const struct {
        std::string text;
        std::string delimiter;
        bool found;
        std::string token;
        std::string rest;
    } cases[] = {
        {"one|two|three", "|", true, "one", "two|three"},
        {"one", "|", false, "", "one"},
        {"|x", "|", true, "", "x"},
        {"a-b--c", "--", true, "a-b", "c"},
        {"", "|", false, "", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        bool found = !c.found;
        EXPECT_EQ(takeToken(text, c.delimiter, found), c.token) << c.text;
        EXPECT_EQ(found, c.found) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST(ToString, DecimalTextWithMinusSign)
{
    const std::pair<int, std::string> cases[] = {
        {0, "0"}, {7, "7"}, {-42, "-42"}, {1440, "1440"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(toString(value), text);
    }
}

TEST(RandomInt, StaysInsideItsRangeAndReachesEveryValue)
{
    std::srand(12345);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(randomInt(0, 0), 0);
    }
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = randomInt(40, 50);
        ASSERT_GE(value, 40);
        ASSERT_LE(value, 50);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 11u);
    for (int i = 0; i < 200; ++i) {
        const int value = randomInt(-3, -1);
        ASSERT_GE(value, -3);
        ASSERT_LE(value, -1);
    }
}

TEST(Sign, OfNegativeZeroAndPositive)
{
    const std::pair<int, int> cases[] = {{INT_MIN, -1}, {-5, -1}, {0, 0}, {1, 1}, {INT_MAX, 1}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(sign(value), expected) << value;
    }
}

}  // namespace
