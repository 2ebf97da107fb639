#include <gtest/gtest.h>

#include <vector>

#include "shell/animation.h"

using mx::shell::FrameAnimation;

namespace {

std::vector<int> run(FrameAnimation& a, int ticks) {
    std::vector<int> shown;
    for (int i = 0; i < ticks; ++i) {
        a.tick();
        shown.push_back(a.frameIndex());
    }
    return shown;
}

}  // namespace

TEST(FrameAnimation, BeforeLoadNothingMoves) {
    FrameAnimation a;
    EXPECT_EQ(a.animating(), 0);
    EXPECT_FALSE(a.tick());
    EXPECT_EQ(a.frameIndex(), 0);
}

TEST(FrameAnimation, RunsFromCellTwoAndWrapsWithoutCellEighteen) {
    FrameAnimation a;
    a.load();
    EXPECT_EQ(a.frameIndex(), 2);
    EXPECT_EQ(a.animating(), 1);
    const std::vector<int> expected = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0, 1, 2, 3};
    EXPECT_EQ(run(a, 19), expected);
    // Many rounds later the index is still inside the strip.
    for (int i = 0; i < 1000; ++i) {
        a.tick();
        ASSERT_GE(a.frameIndex(), 0);
        ASSERT_LT(a.frameIndex(), FrameAnimation::kCells);
    }
}

TEST(FrameAnimation, FreezeHoldsTheCellAndResumeGoesOnFromIt) {
    struct Case {
        int ticksBefore;
        int frozenAt;
    };
    for (const Case c : {Case{0, 2}, Case{5, 7}, Case{15, 17}, Case{16, 0}}) {
        FrameAnimation a;
        a.load();
        run(a, c.ticksBefore);
        a.freeze();
        EXPECT_FALSE(a.tick());
        run(a, 7);
        EXPECT_EQ(a.frameIndex(), c.frozenAt);
        a.freeze();  // a second click changes nothing
        a.resume();
        EXPECT_TRUE(a.tick());
        EXPECT_EQ(a.frameIndex(), (c.frozenAt + 1) % 18);
    }
}
