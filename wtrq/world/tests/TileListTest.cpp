// Reading "tiles.dat": exact "no" and "nonbg" matching, and every malformed list refused by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jwe/Exceptions.h"
#include "world/TileList.h"

namespace wtrq {
namespace {

TEST(TileList, FieldsAreMatchedExactly)
{
    const std::string text =
        "snow.png|yes|x\n"
        "fir.png|no|nonbg\n"
        "ice.png|No|nonbg \n"
        "rock.png|no |NONBG\n"
        "drift.png||nonbg|extra|fields\n"
        "stone.png|no|";
    const std::vector<TileListEntry> expected = {
        {"snow.png", true, false},  {"fir.png", false, true},  {"ice.png", true, false},
        {"rock.png", true, false},  {"drift.png", true, true}, {"stone.png", false, false},
    };
    const auto entries = parseTileList(text);
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].imageMember);
        EXPECT_EQ(entries[i].imageMember, expected[i].imageMember);
        EXPECT_EQ(entries[i].isGround, expected[i].isGround);
        EXPECT_EQ(entries[i].transparent, expected[i].transparent);
    }
}

TEST(TileList, MalformedListsAreRefusedNamingTheList)
{
    struct Case {
        const char* text;
        const char* detail;
    };
    const Case cases[] = {
        {"", "Line 1 is empty."},
        {"a.png|yes|x\nb.png|no|x\n", "Line 3 is empty."},  // a final line break
        {"a.png|yes|x\n\nb.png|no|x", "Line 2 is empty."},
        {"a.png|yes|x\nb.png|no", "Line 2 has fewer than three fields separated by \"|\"."},
        {"a.png\nb.png|no|x", "Line 1 has fewer than three fields separated by \"|\"."},
        {"a.png|yes|x\n|no|nonbg", "Line 2 names no image member."},
        {"a.png|yes|x\nb.png|grass|nonbg", "The list has no obstacle tile type (second field \"no\")."},
        {"a.png|no|x\nb.png|no|nonbg", "The list has no ground tile type."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseTileList(c.text);
            FAIL() << "accepted";
        } catch (const FileLoadingFailed& e) {
            EXPECT_STREQ(e.what(), "Failed to load file \"tiles.dat\".");
            EXPECT_EQ(e.getDetail(), c.detail);
        }
    }
}

}  // namespace
}  // namespace wtrq
