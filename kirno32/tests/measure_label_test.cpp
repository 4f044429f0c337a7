// MeasureLabel: label extents without mnemonic markers, including the double-byte menu markers.
#include "kirno_fixture.h"

namespace {

class Labels : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    window_ = MakeParent();
    dc_ = GetDC(window_);
  }
  void TearDown() override {
    ReleaseDC(window_, dc_);
    KirnoTest::TearDown();
  }
  int Width(const char* text) {
    int width = -1, height = -1;
    MeasureLabel(dc_, text, &width, &height);
    return width;
  }
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// The DC's default font (a stock font) is 6 pixels a byte.
TEST_F(Labels, AmpersandsAreMarkers) {
  struct Case {
    const char* text;
    int characters;
  };
  const Case cases[] = {
      {"&Next", 4}, {"A&&B", 3}, {"End&", 3}, {"", 0}, {"&", 0}, {"Plain", 5}, {"a&b&c", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(Width(c.text), 6 * c.characters) << c.text;
  int width, height;
  MeasureLabel(dc_, "&Next", &width, &height);
  EXPECT_EQ(height, 13);
}

TEST_F(Labels, DoubleByteMenuMarkers) {
  g_kirno.dbcsEnabled = 1;
  g_kirno.menuPrefixChar = 30;
  struct Case {
    const char* text;
    int characters;
  };
  const Case cases[] = {
      {"\x1E" "File", 4},      // the prefix in force acts like an ampersand
      {"ab\x1F" "cd", 3},      // the other marker hides the character after it
      {"ab\x1E", 2},           // markers at the end end the copy
      {"ab\x1F", 2},
      {"&x\x1E\x1E", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(Width(c.text), 6 * c.characters) << c.text;

  g_kirno.dbcsEnabled = 0;
  EXPECT_EQ(Width("ab\x1F" "cd"), 6 * 5) << "single-byte systems measure the markers as text";
}

TEST_F(Labels, HiddenDoubleByteCharacterIsSkippedWhole) {
  Win32Test_SetDbcsLeadBytes(0x81, 0x9F);
  g_kirno.dbcsEnabled = 1;
  g_kirno.menuPrefixChar = 30;
  EXPECT_EQ(Width("a\x1F\x82\xA0" "b"), 6 * 2);
  EXPECT_EQ(Width("\x1E\x82\xA0" "b"), 6 * 3) << "the prefixed character is kept whole";
}

// The copy holds 255 bytes and its terminator: a window text read with at most 255 characters is
// measured whole, longer labels by what fits, and a double-byte character that does not fit is left
// out whole.
TEST_F(Labels, LongLabelsAreMeasuredByWhatFitsTheBuffer) {
  Win32Test_SetDbcsLeadBytes(0x81, 0x9F);
  struct Case {
    const char* name;
    std::string text;
    int bytes;
  };
  const Case cases[] = {
      {"exactly 255", std::string(255, 'x'), 255},
      {"much longer", std::string(1000, 'x'), 255},
      {"after a marker", "&" + std::string(300, 'y'), 255},
      {"a doubled ampersand at the end of the room", std::string(254, 'x') + "&&zz", 255},
      {"a double-byte character that would not fit", std::string(254, 'x') + "\x82\xA0" + "z", 254},
      {"one that just fits", std::string(253, 'x') + "\x82\xA0" + "z", 255},
  };
  for (const Case& c : cases) EXPECT_EQ(Width(c.text.c_str()), 6 * c.bytes) << c.name;
}

}  // namespace
