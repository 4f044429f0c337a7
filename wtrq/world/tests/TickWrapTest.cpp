// Time keeps working when SDL's 32-bit tick count wraps to 0 (after about 49.7 days) and right
// after start-up.
#include <gtest/gtest.h>

#include "support/WorldFixture.h"

namespace wtrq {
namespace {

using test::WorldTest;

constexpr Ticks lastTick = 0xFFFFFFFFu;

class TickWrap : public WorldTest {};

TEST_F(TickWrap, ProductionAndAnimationRunAcrossTheWrap)
{
    auto screen = test::makeScreen();
    clock.set(lastTick - 999);
    Building& woodworker = place(BuildingType::Woodworker, 0, 0);
    woodworker.workers = 1;
    const struct {
        Ticks advance;
        int wood;
        int frame;
    } steps[] = {{199, 0, 0}, {1, 0, 1}, {1799, 0, 2}, {1, 3, 2}, {200, 3, 3}, {1999, 6, 0}};
    // The count wraps during the third step; 2000 ms after the start the first wood is due.
    // A draw advances the animation by at most one frame, however long ago the last one was.
    for (const auto& s : steps) {
        clock.advance(s.advance);
        world.produceAndDraw(screen.get());
        EXPECT_EQ(world.wood, s.wood) << "at " << clock.now();
        EXPECT_EQ(world.buildings[0].animFrame, s.frame) << "at " << clock.now();
    }
}

TEST_F(TickWrap, PreviewBlinksAcrossTheWrap)
{
    auto screen = test::makeScreen();
    clock.set(lastTick - 100);
    world.startPlacement(BuildingType::Office);
    const struct {
        Ticks advance;
        bool shown;
    } timeline[] = {{249, false}, {1, true}, {500, true}, {249, false}, {1, true}};
    for (const auto& t : timeline) {
        clock.advance(t.advance);
        test::clearSurface(screen.get());
        world.drawPreview(screen.get());
        EXPECT_EQ(test::tileColour(screen.get(), 0, 0) != 0, t.shown) << "at " << clock.now();
    }
}

// A geologist that has stood still searches at once, whatever the tick count: just after
// start-up, around the wrap, anywhere else.
TEST_F(TickWrap, GeologistSearchesAtOnceAtAnyTickCount)
{
    place(BuildingType::Office, 0, 0);
    for (Ticks now : {Ticks{0}, Ticks{1000}, Ticks{2998}, Ticks{2999}, Ticks{5000000}, lastTick - 500, lastTick,
                      Ticks{499}}) {
        SCOPED_TRACE(now);
        world.elves.clear();
        world.buildings[0].upkept = 0;
        Elf& geologist = hireOnto(ElfType::Geologist, 0, 0);
        geologist.x = 6;
        geologist.y = 6;
        clock.set(now);
        random.pushAll({4, 0});  // finds on the first search
        world.updateElves();
        EXPECT_EQ(world.buildings.back().position(), std::make_pair(6, 6));
        EXPECT_EQ(geologist.searchState, GeologistState::Reported);
        world.buildings.pop_back();
    }
}

TEST_F(TickWrap, CarrierWaitsThreeSecondsAcrossTheWrap)
{
    place(BuildingType::Office, 0, 0);
    place(BuildingType::Iron, 0, 1);
    place(BuildingType::Mine, 0, 0).workers = 3;  // entrance (0, 1)
    place(BuildingType::Foundry, 1, 1).workers = 4;
    hireOnto(ElfType::Carrier, 0, 0);
    world.carrierForMine = 0;
    ASSERT_TRUE(world.chooseMine(0, 0));
    ASSERT_TRUE(world.chooseFoundry(1, 1));
    clock.set(lastTick - 1999);
    world.updateElves();  // one step down to (0, 1)
    world.updateElves();  // goes in
    ASSERT_TRUE(world.elves[0].hidden);
    clock.advance(2999);  // past the wrap, one millisecond short
    world.updateElves();
    EXPECT_TRUE(world.elves[0].hidden);
    clock.advance(1);
    world.updateElves();
    EXPECT_FALSE(world.elves[0].hidden);
    EXPECT_TRUE(world.elves[0].toFoundry);
}

}  // namespace
}  // namespace wtrq
