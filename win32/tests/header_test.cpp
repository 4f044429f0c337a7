// The header's types and macros keep the platform's sizes and arithmetic, from C and from C++.
#include "header_from_c.h"
#include "stand_in_test.h"

TEST(HeaderTest, MacrosAndSizesMatchThePlatform) {
    HeaderFacts c{};
    HeaderFromC(&c);
    EXPECT_EQ(c.rgb, 0x00563412u);  // 0x00BBGGRR
    EXPECT_EQ(c.red, 0x12u);
    EXPECT_EQ(c.blue, 0x56u);
    EXPECT_EQ(c.makeLong, (int)0x8000FFFF);
    EXPECT_EQ(c.lowOfNegative, 0xFFFEu);
    EXPECT_EQ(c.highOfNegative, 0xFFFFu);
    EXPECT_TRUE(c.intResource);
    EXPECT_EQ(c.dialogProcSlot, (int)sizeof(LRESULT));  // after the message result slot
    EXPECT_EQ(c.longSize, 4);  // LONG stays 32-bit where long is 64
    EXPECT_EQ(c.colorrefSize, 4);
    EXPECT_EQ(sizeof(WPARAM), sizeof(void*));
    EXPECT_EQ(sizeof(LRESULT), sizeof(void*));
    EXPECT_EQ(sizeof(RECT), 16u);
    EXPECT_EQ(sizeof(BITMAPINFOHEADER), 40u);
    EXPECT_EQ(sizeof(RGBQUAD), 4u);
    EXPECT_EQ(sizeof(WIN32_FIND_DATAA), 320u);
    EXPECT_FALSE(IS_INTRESOURCE("Button"));
}
