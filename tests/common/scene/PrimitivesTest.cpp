// Rectangles, lines, textured rectangles and boxes drawn by the scripts, checked in the pixels of
// a real frame.
#include "GlGameHarness.h"
#include "ScenePixels.h"

#include <gtest/gtest.h>

namespace {

using namespace scenetest;

TEST(Primitives, RenderStateGroupsApplyToDrawRectOnlyWhenKept) {
    struct Case {
        const char* script;
        std::vector<Pixel> pixels;
    };
    // The red square is drawn from (10, 10) to (30, 30).
    const Case cases[] = {
        {"setRenderState(100, 50, 1, 1, 0, 0, 0, 0.5)  drawRect(1, 0, 0, 1, 10, 10, 30, 30, true)",
         {{120, 70, 0x800000}, {20, 20, 0}}},
        {"setRenderState(100, 50, 1, 1, 0, 0, 0, 0.5)  drawRect(1, 0, 0, 1, 10, 10, 30, 30, false)",
         {{20, 20, kRed}, {120, 70, 0}}},
        {"setAlpha(0.5)  setRenderState(200, 0)  drawRect(1, 0, 0, 1, 10, 10, 30, 30, true)",
         {{220, 20, 0x800000}, {20, 20, 0}}},
        {"setRenderState(0, 0, 2, 2)  drawRect(1, 0, 0, 1, 10, 10, 30, 30, true)",
         {{50, 50, kRed}, {15, 15, 0}, {65, 65, 0}}},
        // A quarter turn clockwise about the square's corner, then about its centre.
        {"setRenderState(0, 0, 1, 1, math.pi / 2)  drawRect(1, 0, 0, 1, 10, 10, 30, 30, true)",
         {{5, 20, kRed}, {20, 20, 0}}},
        {"setRenderState(0, 0, 1, 1, math.pi / 2, 10, 10)  drawRect(1, 0, 0, 1, 10, 10, 30, 30, true)",
         {{20, 20, kRed}, {5, 20, 0}}},
    };
    GlGameHarness harness;
    harness.start();
    for (const Case& c : cases) {
        harness.context.state() = gr::RenderState();
        expectPixels(*harness.frame(c.script), c.pixels, c.script);
    }
}

TEST(Primitives, LinesTakeColourComponentsUpTo255) {
    GlGameHarness harness;
    harness.start();
    const auto picture = harness.frame("drawLine2D(10, 100, 200, 100, 4, 255, 0, 0, 255)\n"
                                       "drawLine2D(10, 150, 200, 150, 4, 1, 0, 0, 1)\n"
                                       "drawRectLines(250, 50, 350, 150, 4, 0, 255, 0, 255)\n");
    expectPixels(*picture,
                 {{100, 100, kRed},
                  {100, 150, 0},
                  {300, 50, kGreen},
                  {250, 100, kGreen},
                  {300, 150, kGreen},
                  {350, 100, kGreen},
                  {300, 100, 0}},
                 "lines", 1);
}

TEST(Primitives, TexturedRectanglesAndBoxesStretchTheirSprites) {
    GlGameHarness harness;
    harness.start();
    writeSceneSheet();
    harness.run("res.createSpriteSheet('scene.dat')");
    // FAR stretched to 80 x 40; a box of 120 x 100 centred on (300, 250): corners of 40 x 40
    // at 240 and 320 across, 200 and 260 down, a yellow centre 40 x 20 and no edges.
    const auto picture =
        harness.frame("drawTexturedRect('FAR', 10, 200, 80, 40)\n"
                      "drawBoxNative({topLeft = 'NEAR', topRight = 'NEAR', bottomLeft = 'FAR', bottomRight = 'FAR'},\n"
                      "              300, 250, 120, 100, 'HCENTER', 'VCENTER', {red = 1, green = 1, blue = 0})\n");
    expectPixels(*picture,
                 {{20, 220, kGreen},
                  {80, 220, kRed},
                  {95, 220, 0},
                  {245, 220, kBlue},
                  {275, 220, kWhite},
                  {345, 220, kWhite},
                  {325, 280, kGreen},
                  {355, 280, kRed},
                  {300, 250, 0xFFFF00},
                  {300, 220, 0},
                  {245, 250, 0},
                  {235, 220, 0}},
                 "textured");
}

} // namespace
