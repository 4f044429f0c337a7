// The in-game screen inside the application: the level sequence and its texts, the camera,
// losing, winning, Escape, broken level files, and a level played through by a key script.
#include <memory>

#include <gtest/gtest.h>

#include "app/CGame.h"
#include "fsound_pull.h"
#include "gfx/CGFX.h"
#include "sound/CSample.h"
#include "sound/CSoundSystem.h"
#include "app/GameState.h"
#include "support/PlayFixture.h"

namespace {

class WorldManagerTest : public PlayFixture {
protected:
    void SetUp() override
    {
        PlayFixture::SetUp();
        game = std::make_unique<CGame>(engine, clock);  // owns the engine from now on
    }
    void TearDown() override
    {
        game.reset();
        engine = nullptr;
        PlayFixture::TearDown();
    }

    // Clicks the menu's new-game button: the game is entered and its first frame drawn
    // (entered in the update, so the world is drawn without having been updated).
    void NewGame()
    {
        if (game->GetState() != STATE_MENU) {
            game->SetState(STATE_MENU);
        }
        input.SetMouse(400, 260);
        input.SetLeftButton(false);
        Frame();
        input.SetLeftButton(true);
        Frame();
        input.SetLeftButton(false);
    }
    // One frame of the game loop with the keys held.
    void Frame(const std::string& keys = "")
    {
        HoldKeys(keys);
        gl.ClearRecords();
        engine->Running();
        game->RunFrame();
    }
    std::string TextAt(float y)
    {
        for (const SDrawnText& text : DrawnTexts()) {
            if (text.y == y) {
                return text.text;
            }
        }
        return "";
    }
    // Where the elf was drawn on the screen in the last frame.
    SVector Elf()
    {
        const std::vector<SVector> centres = DrawnCentres("data/tonttu.png");
        EXPECT_EQ(centres.size(), 1u);
        return centres.empty() ? SVector{-1, -1} : centres[0];
    }
    // A level finished in its first frame: the exit at the start, nothing to collect.
    static SLevelSketch Instant()
    {
        SLevelSketch sketch;
        sketch.end = sketch.start;
        return sketch;
    }
    // A tiny field with a snowball held in a corner by the borders, always within reach of
    // the elf: one life is lost every frame, whichever way the snowball turns.
    static SLevelSketch Trap()
    {
        SLevelSketch sketch;
        sketch.width = 80;
        sketch.height = 80;
        sketch.start = {60, 60};
        sketch.end = {60, 60};
        sketch.presents = {{-500, -500}};  // out of reach: the exit never opens
        sketch.waypoints = {{40, 40}};
        sketch.enemies = 1;
        return sketch;
    }

    // The first draw of the last frame made with the texture of path.
    const RecordingGL::DrawCall* FirstDraw(const std::string& path)
    {
        const GLuint id = engine->GetGFX()->GetTexture(path)->id;
        for (const RecordingGL::DrawCall& draw : gl.draws) {
            if (draw.texture == id) {
                return &draw;
            }
        }
        return nullptr;
    }
    // The texture offset a full-screen floor was drawn with: its top-left texture coordinate
    // times the texture's size.
    SVector FloorOffset(const std::string& path)
    {
        const RecordingGL::DrawCall* draw = FirstDraw(path);
        const STexture* texture = engine->GetGFX()->GetTexture(path);
        if (draw == nullptr || draw->vertices.empty()) {
            ADD_FAILURE() << path << " not drawn";
            return SVector{-1e9f, -1e9f};
        }
        return SVector{draw->vertices[0].u * texture->width, draw->vertices[0].v * texture->height};
    }

    std::unique_ptr<CGame> game;
};

TEST_F(WorldManagerTest, WindPlaysAtEightyAndStartsAgainWheneverItEnds)
{
    WriteLevel(1, SLevelSketch{});
    NewGame();
    // The in-game screen loads the wind first, before the player's three sounds.
    const auto& objects = engine->GetSoundSystem()->GetObjects();
    ASSERT_EQ(objects.size(), 4u);
    auto* wind = static_cast<CSample*>(objects[0]);
    EXPECT_EQ(wind->GetVolume(), 80);
    EXPECT_FALSE(wind->IsPlaying()) << "entered in this frame's update: no in-game update yet";
    Frame();
    EXPECT_TRUE(wind->IsPlaying());
    for (int round = 0; round < 2; ++round) {
        // Let the wind play to its end, then see the next frame start it again.
        std::vector<int16_t> mixed(2 * 44100);
        for (int second = 0; second < 120 && wind->IsPlaying(); ++second) {
            FSOUNDX_Render(mixed.data(), 44100);
        }
        ASSERT_FALSE(wind->IsPlaying()) << "round " << round;
        Frame();
        EXPECT_TRUE(wind->IsPlaying()) << "round " << round;
        EXPECT_EQ(wind->GetVolume(), 80);
    }
}

TEST_F(WorldManagerTest, DrawsGroundLevelElfSnowfallAndTextsInThatOrder)
{
    SLevelSketch sketch;
    sketch.width = 2000;
    sketch.height = 1500;
    sketch.start = {1000, 700};
    sketch.end = {-1000, -1000};  // never reached
    sketch.quads = {Box(1100, 600, 1200, 800)};
    sketch.presents = {{900, 700}};
    sketch.waypoints = {{1000, 1000}};
    sketch.enemies = 1;
    WriteLevel(1, sketch);
    NewGame();
    // The frame the game is entered in: the camera has not moved yet, the snowfall has drifted once.
    SVector ground = FloorOffset("data/lumi.png");
    SVector snow = FloorOffset("data/lumisade.png");
    EXPECT_FLOAT_EQ(ground.x, 0);
    EXPECT_FLOAT_EQ(ground.y, 0);
    EXPECT_FLOAT_EQ(snow.x, 4);
    EXPECT_FLOAT_EQ(snow.y, -1);

    for (int frame = 2; frame <= 4; ++frame) {
        Frame();
        // The ground moves with the camera, which centres the elf; the snow drifts on its own.
        ground = FloorOffset("data/lumi.png");
        snow = FloorOffset("data/lumisade.png");
        EXPECT_FLOAT_EQ(ground.x, 600) << frame;
        EXPECT_FLOAT_EQ(ground.y, 400) << frame;
        EXPECT_FLOAT_EQ(snow.x, 1.0f + 3.0f * frame) << frame;
        EXPECT_FLOAT_EQ(snow.y, 1.0f - 2.0f * frame) << frame;
    }

    // One run of draws per picture, in this order.
    const std::vector<std::string> order = {"data/lumi.png",   "data/puu.png",      "data/lahja.png", "data/pallo.png",
                                            "data/tonttu.png", "data/lumisade.png", "data/font.png"};
    std::vector<GLuint> expected;
    for (const std::string& path : order) {
        expected.push_back(engine->GetGFX()->GetTexture(path)->id);
    }
    std::vector<GLuint> drawn;
    for (const RecordingGL::DrawCall& draw : gl.draws) {
        if (drawn.empty() || drawn.back() != draw.texture) {
            drawn.push_back(draw.texture);
        }
    }
    EXPECT_EQ(drawn, expected);
}

TEST_F(WorldManagerTest, ShowsPresentsLivesAndTheFirstMessage)
{
    SLevelSketch sketch;
    sketch.presents = {{350, 250}, {400, 300}, {500, 300}, {600, 300}, {700, 300}};
    sketch.start = {300, 250};
    WriteLevel(1, sketch);
    NewGame();
    EXPECT_EQ(game->GetState(), STATE_GAME);
    const std::vector<SDrawnText> texts = DrawnTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "LAHJAT: 0/5");
    EXPECT_EQ(texts[0].x, 5);
    EXPECT_EQ(texts[0].y, 5);
    EXPECT_EQ(texts[1].text, "ELWMWT: 6");
    EXPECT_EQ(texts[1].y, 20);
    EXPECT_EQ(texts[2].text, "Kerww lahjat ja varo lumipalloja!");
    EXPECT_EQ(texts[2].y, 580);

    // Skating right onto the first present counts it.
    for (int frame = 0; frame < 30 && TextAt(5) == "LAHJAT: 0/5"; ++frame) {
        Frame("u");
    }
    EXPECT_EQ(TextAt(5), "LAHJAT: 1/5");
}

TEST_F(WorldManagerTest, EachLevelShowsItsMessageAndTheTenthLeadsToTheWonScreen)
{
    for (int number = 1; number <= 10; ++number) {
        SLevelSketch sketch = Instant();
        sketch.presents = {};
        WriteLevel(number, sketch);
    }
    // Were an eleventh file read, this one would send the game back to the menu with an error.
    WriteLevelBytes(11, {1, 2, 3});
    testing::internal::CaptureStderr();
    NewGame();
    EXPECT_EQ(TextAt(580), "Kerww lahjat ja varo lumipalloja!");
    for (int level = 2; level <= 10; ++level) {
        Frame();  // the level before finishes at once
        ASSERT_EQ(game->GetState(), STATE_GAME) << "level " << level;
        EXPECT_EQ(TextAt(580), level == 10 ? "Loppu lwhestyy!" : "") << "level " << level;
        EXPECT_EQ(TextAt(5), "LAHJAT: 0/0");
    }
    Frame();
    EXPECT_EQ(game->GetState(), STATE_WON) << "won in the frame the tenth level was completed";
    EXPECT_EQ(DrawsWithTexture("data/teksti1.png"), 1) << "the won screen is drawn in that frame";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(WorldManagerTest, GiftCounterStartsAgainOnTheNextLevel)
{
    SLevelSketch first;
    first.presents = {{110, 100}};
    first.end = {120, 100};
    WriteLevel(1, first);
    SLevelSketch second;
    second.presents = {{700, 700}, {800, 700}};
    WriteLevel(2, second);
    NewGame();
    Frame();
    EXPECT_EQ(TextAt(5), "LAHJAT: 1/1");
    Frame();
    EXPECT_EQ(TextAt(5), "LAHJAT: 0/2");
    EXPECT_EQ(TextAt(580), "");
}

TEST_F(WorldManagerTest, LosingTheLastLifeShowsTheLostScreen)
{
    WriteLevel(1, Trap());
    NewGame();
    for (int lives = 5; lives >= 1; --lives) {
        Frame();
        ASSERT_EQ(game->GetState(), STATE_GAME);
        EXPECT_EQ(TextAt(20), "ELWMWT: " + std::to_string(lives));
    }
    Frame();
    EXPECT_EQ(game->GetState(), STATE_LOST);
    EXPECT_EQ(DrawsWithTexture("data/teksti2.png"), 1);
}

TEST_F(WorldManagerTest, EscapeLeavesForTheMenuAndANewGameStartsAfresh)
{
    WriteLevel(1, Trap());
    NewGame();
    Frame();
    Frame();
    EXPECT_EQ(TextAt(20), "ELWMWT: 4");
    Frame("\x1b");
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_EQ(DrawsWithTexture("data/title.png"), 1) << "the menu is drawn in the same frame";
    NewGame();
    EXPECT_EQ(TextAt(20), "ELWMWT: 6");
    EXPECT_EQ(TextAt(580), "Kerww lahjat ja varo lumipalloja!");
}

TEST_F(WorldManagerTest, EscapeHeldWhenTheGameIsLostLeadsOnToTheMenu)
{
    WriteLevel(1, Trap());
    NewGame();
    for (int frame = 0; frame < 5; ++frame) {
        Frame();
    }
    Frame("\x1b");
    EXPECT_EQ(game->GetState(), STATE_MENU);
}

TEST_F(WorldManagerTest, CameraKeepsTheElfCentredInsideTheLevel)
{
    struct Case {
        SLevelPoint start;
        SVector onScreen;
    };
    const Case cases[] = {
        {{100, 100}, {100, 100}},     // top-left corner: the view stays at (0, 0)
        {{1900, 1400}, {700, 500}},   // bottom-right: the view stops at (1200, 900)
        {{1000, 700}, {400, 300}},    // in the middle: centred
    };
    for (const Case& c : cases) {
        SLevelSketch sketch;
        sketch.width = 2000;
        sketch.height = 1500;
        sketch.start = c.start;
        sketch.end = {-1000, -1000};
        WriteLevel(1, sketch);
        NewGame();
        Frame();
        const SVector elf = Elf();
        EXPECT_FLOAT_EQ(elf.x, c.onScreen.x) << c.start.x << "," << c.start.y;
        EXPECT_FLOAT_EQ(elf.y, c.onScreen.y) << c.start.x << "," << c.start.y;
        game->SetState(STATE_MENU);
    }
}

TEST_F(WorldManagerTest, ABrokenFirstLevelIsReportedAndLeadsBackToTheMenu)
{
    WriteLevelBytes(1, RawLevel(1000, 800, 3, 0, 0, 0, 10));
    testing::internal::CaptureStderr();
    NewGame();
    EXPECT_EQ(gl.DrawCount(), 0) << "nothing of the broken level is drawn";
    Frame();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_EQ(errors, "talvijahti: levels/level1.lev: file is 50 bytes but its counts need 136\n");
}

TEST_F(WorldManagerTest, AMissingLaterLevelIsReportedAndLeadsBackToTheMenu)
{
    WriteLevel(1, Instant());
    testing::internal::CaptureStderr();
    NewGame();
    Frame();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_NE(errors.find("talvijahti: levels/level2.lev: cannot open the file"), std::string::npos) << errors;
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line";
}

TEST_F(WorldManagerTest, ScriptedPlaythroughCollectsThePresentsAndReachesTheExit)
{
    // An L-shaped run: right to the first present, a quarter turn, down to the second and on
    // to the exit.
    SLevelSketch sketch;
    sketch.width = 800;
    sketch.height = 900;
    sketch.start = {100, 100};
    sketch.presents = {{400, 100}, {415, 400}};
    sketch.end = {420, 560};
    WriteLevel(1, sketch);
    WriteLevel(2, Instant());

    struct Step {
        const char* keys;
        int frames;
    };
    const Step script[] = {
        {"", 1},     // the heading is set in the first frame
        {"u", 190},  // push right onto the first present
        {"k", 26},   // a quarter turn to face down while gliding to a stop
        {"u", 300},  // push down over the second present to the exit
        {"", 100},
    };
    NewGame();
    int frame = 0;
    int firstPresentFrame = -1;
    int secondPresentFrame = -1;
    int finishedFrame = -1;
    for (const Step& step : script) {
        for (int i = 0; i < step.frames && finishedFrame < 0; ++i) {
            Frame(step.keys);
            ++frame;
            const std::string gifts = TextAt(5);
            if (firstPresentFrame < 0 && gifts == "LAHJAT: 1/2") {
                firstPresentFrame = frame;
            }
            if (secondPresentFrame < 0 && gifts == "LAHJAT: 2/2") {
                secondPresentFrame = frame;
            }
            if (gifts == "LAHJAT: 0/0") {
                finishedFrame = frame;  // level 2 is showing
            }
        }
    }
    ASSERT_GT(firstPresentFrame, 0);
    ASSERT_GT(secondPresentFrame, firstPresentFrame);
    ASSERT_GT(finishedFrame, secondPresentFrame);
    EXPECT_EQ(game->GetState(), STATE_GAME);
    EXPECT_EQ(TextAt(20), "ELWMWT: 6");
}

}  // namespace
