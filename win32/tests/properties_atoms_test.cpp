// Global atoms and window properties named by strings or atoms.
#include "stand_in_test.h"

class AtomsTest : public StandInTest {};

TEST_F(AtomsTest, StringAtomsAreSharedWithoutCaseAndCounted) {
    ATOM a = GlobalAddAtomA("C3d");
    EXPECT_GE(a, 0xC000);
    EXPECT_EQ(GlobalAddAtomA("c3D"), a);
    EXPECT_EQ(GlobalFindAtomA("C3D"), a);
    char name[16];
    EXPECT_EQ(GlobalGetAtomNameA(a, name, sizeof name), 3u);
    EXPECT_STREQ(name, "C3d");  // the first spelling is kept
    EXPECT_EQ(GlobalDeleteAtom(a), 0);
    EXPECT_EQ(GlobalFindAtomA("C3d"), a);  // one reference left
    EXPECT_EQ(GlobalDeleteAtom(a), 0);
    EXPECT_EQ(GlobalFindAtomA("C3d"), 0);
    EXPECT_EQ(GlobalDeleteAtom(a), a);  // gone: deletion fails
    EXPECT_NE(GlobalAddAtomA("Other"), 0);
}

TEST_F(AtomsTest, IntegerAtomsNeedNoTable) {
    struct Case {
        LPCSTR name;
        ATOM atom;
    } cases[] = {{"#123", 123}, {MAKEINTATOM(77), 77}, {"#0", 0}, {MAKEINTATOM(0xC000), 0}, {"#49152", 0}};
    for (const Case& c : cases) EXPECT_EQ(GlobalAddAtomA(c.name), c.atom);
    char name[16];
    GlobalGetAtomNameA(123, name, sizeof name);
    EXPECT_STREQ(name, "#123");
    EXPECT_EQ(GlobalAddAtomA(""), 0);
}

TEST_F(AtomsTest, AddingCanFail) {
    Win32Test_FailAfter(WIN32TEST_FAIL_ATOM, 0);
    EXPECT_EQ(GlobalAddAtomA("C3d"), 0);
    EXPECT_NE(GlobalAddAtomA("C3d"), 0);
}

class PropertiesTest : public StandInTest {};

TEST_F(PropertiesTest, SetGetRemoveByAtomAndByString) {
    HWND w = TopLevel();
    ATOM atom = GlobalAddAtomA("C3d");
    EXPECT_EQ(GetPropA(w, MAKEINTATOM(atom)), nullptr);
    EXPECT_TRUE(SetPropA(w, MAKEINTATOM(atom), (HANDLE)0x1234));
    EXPECT_EQ(GetPropA(w, MAKEINTATOM(atom)), (HANDLE)0x1234);
    EXPECT_EQ(GetPropA(w, "c3d"), (HANDLE)0x1234);  // the same property by its name
    EXPECT_TRUE(SetPropA(w, MAKEINTATOM(atom), (HANDLE)0x5678));  // replaced, not doubled
    EXPECT_EQ(RemovePropA(w, MAKEINTATOM(atom)), (HANDLE)0x5678);
    EXPECT_EQ(GetPropA(w, MAKEINTATOM(atom)), nullptr);
    EXPECT_EQ(RemovePropA(w, MAKEINTATOM(atom)), nullptr);

    HWND other = TopLevel();
    SetPropA(w, "Name", (HANDLE)1);
    EXPECT_EQ(GetPropA(other, "Name"), nullptr);  // per window
    EXPECT_EQ(GetPropA(w, "Unknown"), nullptr);
}

TEST_F(PropertiesTest, StringPropertyHoldsItsAtomUntilRemoved) {
    HWND w = TopLevel();
    EXPECT_TRUE(SetPropA(w, "Transient", (HANDLE)1));
    ATOM a = GlobalFindAtomA("Transient");
    EXPECT_NE(a, 0);
    EXPECT_EQ(RemovePropA(w, "Transient"), (HANDLE)1);
    EXPECT_EQ(GlobalFindAtomA("Transient"), 0);
}

TEST_F(PropertiesTest, InvalidWindowHasNoProperties) {
    HWND w = TopLevel();
    DestroyWindow(w);
    EXPECT_FALSE(SetPropA(w, "X", (HANDLE)1));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(GetPropA(w, "X"), nullptr);
}
