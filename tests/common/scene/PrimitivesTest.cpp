// Rectangles and lines drawn by the scripts, checked in the pixels of a real frame.
#include "GlGameHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(Primitives, DrawRectStartsFromAFreshRenderStateUnlessKept) {
    scenetest::GlGameHarness harness;
    harness.start();
    // The faded state applies to the kept rectangle only: the other one is drawn opaque.
    const auto picture = harness.frame("setAlpha(0.5)\n"
                                       "drawRect(1, 0, 0, 1, 10, 10, 30, 30, true)\n"
                                       "setAlpha(0.5)\n"
                                       "drawRect(0, 0, 1, 1, 40, 10, 60, 30, false)\n");
    EXPECT_TRUE(colourNear(picture->rgb(20, 20), 0x800000, 2));
    EXPECT_TRUE(colourNear(picture->rgb(50, 20), 0x0000FF));
    EXPECT_TRUE(colourNear(picture->rgb(35, 35), 0x000000));
}

} // namespace
