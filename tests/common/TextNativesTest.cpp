// Text objects and line breaking as the scripts use them, measured with a bitmap font.
#include "GameHarness.h"
#include "RecordingContext.h"
#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Records, with each quad, the render state's alpha and scale when it was drawn.
struct StateRecordingContext : RecordingContext {
    void drawTexturedQuad(gr::Image& image, float x, float y, float w, float h, const gr::TexCoords& coords) override {
        RecordingContext::drawTexturedQuad(image, x, y, w, h, coords);
        alphaAndScale.push_back({state().alpha, state().scaleX, state().scaleY});
    }
    std::vector<std::vector<float>> alphaAndScale;
};

struct Screen {
    StateRecordingContext context;
};

class TextNativesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Tracking 2; "A" 8 wide, "B" 6 wide: "AB" is 16 wide, 12 high (ascent 9, descent 3).
        writeFile("f.png", pngHeader(16, 16));
        writeFile("f.dat", container("FONT", {1, "f.png", 3, 2, 2, 'A', 0, 0, 8, 10, 8, 'B', 8, 0, 6, 12, 9}));
        harness.start();
        harness.run("res.createBitmapFont('f.dat')");
    }

    gametest::BasicGameHarness<Screen> harness;
};

} // namespace

TEST_F(TextNativesTest, ClippedTextLinesDrawThemselvesOnlyWhenTheirBoxReachesTheScreen) {
    // Text at (10, 20) * 2 + (100, 50) = (120, 90); scales 2 * 2 * 1 and 1 * 2 * 1; each line's
    // box is "AB" (64 x 24 after scaling) placed by its anchors at the text's position plus
    // twice its own.
    harness.run(R"(
        calls = {}
        local function draw(line, x, y, sx, sy, angle)
            calls[#calls + 1] = table.concat({line.name, x, y, sx, sy, angle}, " ")
        end
        local Line = {__index = {draw = draw}}
        local function line(name, x, y, hanchor, vanchor)
            return setmetatable({name = name, x = x, y = y, hanchor = hanchor, vanchor = vanchor, text = "AB"}, Line)
        end
        drawUITextNative({x = 10, y = 20, font = "f", clipped = true, scaleX = 2, lines = {
            line("inside", 5, 0),
            line("below", 0, 300),
            line("leftOfScreen", -100, 0, "RIGHT"),
            line("acrossLeftEdge", -50, 0, "RIGHT"),
            line("touchingTop", 0, -45, "", "BOTTOM"),
            line("acrossTop", 0, -45, "", "VCENTER"),
            line("acrossRightEdge", 340, 0, "HCENTER"),
        }}, 100, 50, 1, 1, 0.5, 2)
        drawUITextNative({visible = false, clipped = true, lines = {line("hidden", 0, 0)}}, 0, 0)
    )");
    const lua::LuaTable calls = harness.game->getTable("calls");
    std::vector<std::string> drawn;
    for (int i = 1; calls.isString(i); ++i)
        drawn.push_back(calls.getString(i));
    EXPECT_EQ(drawn, (std::vector<std::string>{"inside 120 90 4 2 0.5", "acrossLeftEdge 120 90 4 2 0.5",
                                               "acrossTop 120 90 4 2 0.5", "acrossRightEdge 120 90 4 2 0.5"}));
}

TEST_F(TextNativesTest, ClipTextFillsClippedTextInTheCurrentFont) {
    harness.run("res.useFont('f')  clipText('none', 'AB ABAB', 40)  first, widest = clippedText.lines, "
                "clippedText.widestLine  clipText('none', 'AB', 0)");
    const lua::LuaTable first = harness.game->getTable("first");
    EXPECT_EQ((std::vector<std::string>{first.getString(1), first.getString(2), first.getString(3)}),
              (std::vector<std::string>{"AB", "ABAB", ""}));
    EXPECT_EQ(harness.game->getNumber("widest"), 34.0f);
    const lua::LuaTable clipped = harness.game->getTable("clippedText");
    EXPECT_EQ(clipped.getTable("lines").count(), 1);
    EXPECT_EQ(clipped.getTable("lines").getString(1), "");
    EXPECT_EQ(clipped.getNumber("widestLine"), 0.0f);
}

TEST_F(TextNativesTest, TextObjectsDrawWithTheirOwnStateAndLeaveTheContextAsItWas) {
    // At (10.7, 20.3) with scales (2, 1): the point (5.35, 20.3) in the scaled space; "AB" 16
    // wide right of it, glyph tops (baseline - 8 for A, - 9 for B) below the top anchor.
    const struct {
        const char* floor;
        float firstX;
    } cases[] = {{"true", -11.0f}, {"false", 5.35f - 16.0f}};
    for (const auto& c : cases) {
        harness.context.quads.clear();
        harness.context.alphaAndScale.clear();
        harness.run("drawUITextNative({x = 10.7, y = 20.3, text = 'AB', font = 'f', hanchor = 'RIGHT', scaleX = 2, "
                    "alpha = 0.5, rotationPivotX = 3, rotationPivotY = 4, floorCoordinates = " +
                    std::string(c.floor) + "}, 0, 0, 1, 1, 0.25)");
        ASSERT_EQ(harness.context.quads.size(), 2u) << c.floor;
        const RecordedQuad& a = harness.context.quads[0];
        const RecordedQuad& b = harness.context.quads[1];
        const float top = c.floor == std::string("true") ? 20.0f : 20.3f;
        EXPECT_EQ((std::vector<float>{a.x, a.y, b.x, b.y, a.angle, a.pivotX, a.pivotY}),
                  (std::vector<float>{c.firstX, top + 1, c.firstX + 10, top, 0.25f, 3, 4}))
            << c.floor;
        EXPECT_EQ(harness.context.alphaAndScale[0], (std::vector<float>{0.5f, 2, 1})) << c.floor;
        const gr::RenderState& after = harness.context.state();
        EXPECT_EQ((std::vector<float>{after.alpha, after.scaleX, after.angle, after.pivotX}),
                  (std::vector<float>{1, 1, 0, 0}));
    }
}
