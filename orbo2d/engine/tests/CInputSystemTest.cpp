// The frame's input snapshot: keys, mouse position and the eight-bit button mask.
#include <gtest/gtest.h>

#include "engine/CInputSystem.h"
#include "engine/testing/ScriptedInput.h"

TEST(CInputSystem, KeysAreReadFromTheSnapshotTakenByUpdateState)
{
    CScriptedInput source;
    CInputSystem input(source);
    EXPECT_FALSE(input.GetKey('u')) << "no snapshot yet";
    source.SetKey('u', true);
    EXPECT_FALSE(input.GetKey('u'));
    input.UpdateState();
    EXPECT_TRUE(input.GetKey('u'));
    EXPECT_FALSE(input.GetKey('j'));
    EXPECT_EQ(source.Pumps(), 1) << "one event per frame";
}

TEST(CInputSystem, MousePositionIsTheSnapshot)
{
    CScriptedInput source;
    CInputSystem input(source);
    source.SetMouse(272, 220);
    input.UpdateState();
    source.SetMouse(5, 5);
    int x = 0, y = 0;
    input.GetMousePosition(&x, &y);
    EXPECT_EQ(x, 272);
    EXPECT_EQ(y, 220);
}

TEST(CInputSystem, MouseButtonsMapBitNMinusOneToButtonN)
{
    struct Case {
        std::uint32_t mask;
        int button;
        bool held;
    };
    const Case cases[] = {
        {0x1, 1, true},    {0x1, 2, false},  {0x4, 3, true},   {0x80, 8, true},
        {0x100, 9, false}, {0xFFFFFFFF, 9, false}, {0xFFFFFFFF, 0, false}, {0x1, -1, false},
    };
    for (const Case& c : cases) {
        CScriptedInput source;
        CInputSystem input(source);
        source.SetMouseButtons(c.mask);
        input.UpdateState();
        EXPECT_EQ(input.GetMouseButton(c.button), c.held) << "mask " << c.mask << " button " << c.button;
    }
}
