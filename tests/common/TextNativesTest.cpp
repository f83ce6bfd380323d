// Text objects and line breaking as the scripts use them, measured with a bitmap font.
#include "GameHarness.h"
#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TextNativesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Tracking 2; "A" 8 wide, "B" 6 wide: "AB" is 16 wide, 12 high (ascent 9, descent 3).
        writeFile("f.png", pngHeader(16, 16));
        writeFile("f.dat", container("FONT", {1, "f.png", 3, 2, 2, 'A', 0, 0, 8, 10, 8, 'B', 8, 0, 6, 12, 9}));
        harness.start();
        harness.run("res.createBitmapFont('f.dat')");
    }

    gametest::GameHarness harness;
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
