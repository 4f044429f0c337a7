// Registration: counting, the platform checks that refuse the 3-D look, and releasing.
#include "kirno_fixture.h"

namespace {

using Registration = KirnoTest;

TEST_F(Registration, FixedAnswers) {
  EXPECT_EQ(Ctl3dGetVer(), 0x0205);
  EXPECT_FALSE(Ctl3dSetStyle(nullptr, nullptr, 0));
  EXPECT_EQ(Ctl3dCtlColor(nullptr, nullptr), nullptr);
  EXPECT_FALSE(Ctl3dEnabled());
}

TEST_F(Registration, CountsCallsAndReleasesOnTheLast) {
  ASSERT_TRUE(Ctl3dRegister(caller_));
  ASSERT_TRUE(Ctl3dRegister(caller_));
  int liveAfterRegister = Win32Test_LiveGdiObjects();
  EXPECT_EQ(liveAfterRegister, 4);  // three brushes and the check bitmap

  EXPECT_TRUE(Ctl3dUnregister(caller_));
  EXPECT_TRUE(Ctl3dEnabled());
  EXPECT_EQ(Win32Test_LiveGdiObjects(), liveAfterRegister);

  EXPECT_TRUE(Ctl3dUnregister(caller_));
  EXPECT_FALSE(Ctl3dEnabled());
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 0);
  for (const KirnoClassRecord& record : g_kirno.classRecords) EXPECT_EQ(record.proc3d, nullptr);
}

TEST_F(Registration, RegisteringAgainAfterReleaseInitialisesAgain) {
  ASSERT_TRUE(Ctl3dRegister(caller_));
  Ctl3dUnregister(caller_);
  Win32Test_SetSysColor(COLOR_BTNFACE, RGB(10, 20, 30));
  ASSERT_TRUE(Ctl3dRegister(caller_));
  EXPECT_EQ(g_kirno.colors[kColorFace], RGB(10, 20, 30));
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 4);
}

// An Ctl3dUnregister without a matching Ctl3dRegister must not leave the count below zero,
// or the next registration would skip its set-up and paint with no colours.
TEST_F(Registration, UnmatchedUnregisterDoesNotUnbalanceTheCount) {
  EXPECT_TRUE(Ctl3dUnregister(caller_));
  EXPECT_EQ(g_kirno.registrationCount, 0);
  EXPECT_TRUE(Ctl3dRegister(caller_));
  EXPECT_NE(g_kirno.brushes[kBrushFace], nullptr);
}

struct VersionCase {
  const char* name;
  DWORD version;  // raw GetVersion value
  BOOL registers;
  WORD windowsVersion;
  BOOL autoSubclass;
};

TEST_F(Registration, PlatformVersionDecides) {
  const VersionCase cases[] = {
      {"NT 3.51", kWindowsNt351, TRUE, 0x0333, TRUE},
      {"NT 4.0", 0x05650004, FALSE, 0x0400, FALSE},
      {"Windows 95 (4.0, not NT)", 0xC0000004, TRUE, 0x0300, FALSE},
      {"Windows 3.10 (not NT)", 0x80000A03, TRUE, 0x030A, TRUE},
  };
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    Win32Test_SetVersion(c.version);
    EXPECT_EQ(Ctl3dRegister(caller_), c.registers);
    EXPECT_EQ(Ctl3dEnabled(), c.registers);
    EXPECT_EQ(g_kirno.windowsVersion, c.windowsVersion);
    EXPECT_EQ(Ctl3dAutoSubclass(caller_), c.autoSubclass);
  }
}

TEST_F(Registration, Windows95GetsAWhiteHighlight) {
  Win32Test_SetVersion(0xC0000004);
  Win32Test_SetSysColor(COLOR_BTNHIGHLIGHT, RGB(220, 220, 220));
  ASSERT_TRUE(Ctl3dRegister(caller_));
  EXPECT_EQ(g_kirno.colors[kColorHighlight], kWhite);
}

TEST_F(Registration, RefusedDisplays) {
  struct DisplayCase {
    const char* name;
    int planes, bits, width, height;
    BOOL registers;
  };
  const DisplayCase cases[] = {
      {"16 colours", 1, 4, 1024, 768, TRUE},
      {"4 planes of 1 bit", 4, 1, 1024, 768, TRUE},
      {"8 colours", 1, 3, 1024, 768, FALSE},
      {"monochrome", 1, 1, 1024, 768, FALSE},
      {"EGA 640 x 350", 1, 8, 640, 350, FALSE},
      {"VGA 640 x 480", 1, 8, 640, 480, TRUE},
  };
  for (const DisplayCase& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    Win32Test_SetDeviceCaps(PLANES, c.planes);
    Win32Test_SetDeviceCaps(BITSPIXEL, c.bits);
    Win32Test_SetScreenSize(c.width, c.height);
    EXPECT_EQ(Ctl3dRegister(caller_), c.registers);
    EXPECT_EQ(Win32Test_OpenDCs(), 0);
  }
}

TEST_F(Registration, FailsWhenTheAtomOrTheColourSetCannotBeMade) {
  Win32Test_FailAfter(WIN32TEST_FAIL_ATOM, 0);
  EXPECT_FALSE(Ctl3dRegister(caller_));
  EXPECT_FALSE(Ctl3dEnabled());
  Ctl3dUnregister(caller_);

  Win32Test_FailAfter(WIN32TEST_FAIL_GDI_OBJECT, 2);  // a brush made after the bitmap
  EXPECT_FALSE(Ctl3dRegister(caller_));
  EXPECT_FALSE(Ctl3dEnabled());
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 0);
  Ctl3dUnregister(caller_);

  Win32Test_Reset();
  KirnoResetState();
  DllMain(Win32Test_CreateModule("empty.dll"), DLL_PROCESS_ATTACH, nullptr);
  EXPECT_FALSE(Ctl3dRegister(caller_)) << "no check bitmap resource";
  EXPECT_EQ(Win32Test_LiveGdiObjects(), 0);
}

// The bitmap resource is trusted no further than its size.
TEST_F(Registration, TruncatedOrForeignBitmapResourceGivesNoBitmap) {
  HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(KIRNO_CHECK_BITMAP_ID), MAKEINTRESOURCEA(2));
  const BYTE* dib = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
  const DWORD size = SizeofResource(module_, found);
  std::vector<BYTE> truncated(dib, dib + size - 1);
  std::vector<BYTE> eightBit(dib, dib + size);
  reinterpret_cast<BITMAPINFOHEADER*>(eightBit.data())->biBitCount = 8;
  std::vector<BYTE> hugeHeader(dib, dib + size);
  reinterpret_cast<BITMAPINFOHEADER*>(hugeHeader.data())->biSize = 0xFFFFFFF0u;
  std::vector<BYTE> shortTable(dib, dib + size);
  reinterpret_cast<BITMAPINFOHEADER*>(shortTable.data())->biClrUsed = 2;
  for (const std::vector<BYTE>* resource : {&truncated, &eightBit, &hugeHeader, &shortTable}) {
    Win32Test_Reset();
    Win32Test_SetVersion(kWindowsNt351);
    KirnoResetState();
    HINSTANCE module = Win32Test_CreateModule("broken.dll");
    Win32Test_AddResource(module, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(KIRNO_CHECK_BITMAP_ID), resource->data(),
                          static_cast<DWORD>(resource->size()));
    DllMain(module, DLL_PROCESS_ATTACH, nullptr);
    EXPECT_FALSE(Ctl3dRegister(caller_));
    EXPECT_EQ(Win32Test_LiveGdiObjects(), 0);
    Ctl3dUnregister(caller_);
  }
}

TEST_F(Registration, KeepsTheClassProceduresOfTheSystemClasses) {
  Register();
  const char* names[kEntryCount] = {"Button", "ListBox", "Edit", "ComboBox", "Static", "ComboLBox"};
  for (int i = 0; i < kEntryCount; ++i) {
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(nullptr, names[i], &info)) << names[i];
    EXPECT_EQ(g_kirno.classRecords[i].classProc, info.lpfnWndProc) << names[i];
    EXPECT_NE(g_kirno.classRecords[i].proc3d, nullptr);
  }
  EXPECT_EQ(g_kirno.classRecords[kEntryComboLBox].proc3d, ListWndProc3d);
}

TEST_F(Registration, DoubleByteMenuSettings) {
  struct MenuCase {
    const char* name;
    int dbcs;
    const char* kanji;
    const char* hangeul;
    BYTE prefix;
  };
  const MenuCase cases[] = {
      {"single-byte system", 0, "kanji", nullptr, 0},
      {"defaults", 1, nullptr, nullptr, 30},
      {"kanji menus", 1, "KANJI", nullptr, 31},
      {"hangeul menus", 1, nullptr, "Hangeul", 31},
      {"other value", 1, "romanji", "english", 30},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    Win32Test_SetSystemMetric(SM_DBCSENABLED, c.dbcs);
    Win32Test_SetProfileString("windows", "kanjimenu", c.kanji);
    Win32Test_SetProfileString("windows", "hangeulmenu", c.hangeul);
    Register();
    EXPECT_EQ(g_kirno.menuPrefixChar, c.prefix);
  }
}

}  // namespace
