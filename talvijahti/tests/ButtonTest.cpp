// Menu buttons: the hit box with its edges, lit and dimmed colours, and what counts as a press.
#include <gtest/gtest.h>

#include "gfx/CGFX.h"
#include "gfx/CImageHandler.h"
#include "screens/CButton.h"
#include "screens/ImageFile.h"
#include "support/GameFixture.h"

namespace {

class ButtonTest : public GameFixture {
protected:
    // The menu's new-game button: picture at (272, 200), hit box 20 pixels lower.
    CButton* MakeNewGameButton()
    {
        return new CButton(engine, CreateImageOfFile(engine, "data/uusipeli.png"), SVector{272, 200},
                           SRect(272, 220, 256, 88));
    }
    // Runs one frame of input and returns the red of the drawn button's vertices.
    float Frame(CButton& button, int x, int y, bool leftHeld)
    {
        input.SetMouse(x, y);
        input.SetLeftButton(leftHeld);
        engine->Running();
        button.Update();
        gl.ClearRecords();
        engine->GetGFX()->BeginScene(SColor(0, 0, 0, 1), true);
        button.Render();
        engine->GetGFX()->EndScene();
        EXPECT_EQ(gl.DrawCount(), 1);
        return gl.draws.empty() || gl.draws[0].vertices.empty() ? -1.0f : gl.draws[0].vertices[0].r;
    }
};

TEST_F(ButtonTest, LightsOnlyInsideTheHitBoxEdgesIncluded)
{
    struct Case {
        int x, y;
        bool lit;
    };
    const Case cases[] = {
        {272, 220, true},   // top-left corner of the hit box
        {271, 220, false},  // one pixel left of it
        {528, 308, true},   // bottom-right corner
        {529, 308, false},
        {528, 309, false},
        {300, 210, false},  // on the drawn picture but above the hit box
        {400, 260, true},
    };
    CButton* button = MakeNewGameButton();
    for (const Case& c : cases) {
        const float red = Frame(*button, c.x, c.y, false);
        EXPECT_FLOAT_EQ(red, c.lit ? 1.0f : 0.6f) << "mouse at " << c.x << "," << c.y;
        EXPECT_FALSE(button->IsPressed());
    }
    delete button;
}

TEST_F(ButtonTest, PressIsTheHeldLeftButtonOverTheHitBox)
{
    CButton* button = MakeNewGameButton();
    Frame(*button, 400, 260, false);
    EXPECT_FALSE(button->IsPressed());
    Frame(*button, 400, 260, true);
    EXPECT_TRUE(button->IsPressed());
    Frame(*button, 400, 260, true);
    EXPECT_TRUE(button->IsPressed()) << "still held: still pressed";
    Frame(*button, 300, 210, true);
    EXPECT_FALSE(button->IsPressed()) << "held outside the hit box";
    delete button;
}

TEST_F(ButtonTest, PressHeldOverFromBeforeTheButtonExistedDoesNotCount)
{
    CButton* button = MakeNewGameButton();
    Frame(*button, 400, 260, true);
    EXPECT_FALSE(button->IsPressed()) << "the press began before this button was shown";
    Frame(*button, 400, 260, true);
    EXPECT_FALSE(button->IsPressed());
    Frame(*button, 10, 10, false);  // released anywhere
    Frame(*button, 400, 260, true);
    EXPECT_TRUE(button->IsPressed());
    delete button;
}

TEST_F(ButtonTest, FreesItsImageThroughTheHandler)
{
    CImageHandler* images = engine->GetImageHandler();
    const int before = images->GetImageCount();
    CButton* button = MakeNewGameButton();
    EXPECT_EQ(images->GetImageCount(), before + 1);
    delete button;
    EXPECT_EQ(images->GetImageCount(), before);
}

}  // namespace
