#include "ScriptedResources.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

/// "res" over a data folder with one sprite sheet and one composite.
struct LuaResourcesTest : ScriptedResources {
    void SetUp() override {
        ScriptedResources::SetUp();
        writeFile("gfx/a.png", pngHeader(64, 32));
        writeFile("gfx/a.dat", container("SPRT", {1, "a.png", 1, "alpha", 0, 0, 10, 10, 5, 5}));
        writeFile("gfx/c.dat", container("COMP", {1, 1, "pair", 2, "alpha", -5, 0, "alpha", 5, 0}));
    }
};

} // namespace

TEST_F(LuaResourcesTest, QueriesAndDrawingTakeBothCallFormsAndOptionalArguments) {
    run(R"(
        res.setPath("gfx")
        res.createSpriteSheet("a.dat")
        res.createSpriteSheet("a.dat", true, false)
        res.createCompoSpriteSet("c.dat")
        local w, h = res.getSpriteBounds("alpha")
        local mw, mh = res:getSpriteBounds("pair")
        local px, py = res:getSpritePivot("pair")
        local l, t, r, b = res.getCompoSpriteBounds("pair")
        local x0, y0, cw, ch = res.getClipRect()
        res.setClipRect(1.9, 2.5, 10.2, 20.7)
        sizes = {w, h, mw, mh, px, py, l, t, r, b, x0, y0, cw, ch, res.getClipRect()}
        local parts = res.getCompoSpriteData("pair")
        part = {#parts, parts[2][2], parts[2][3], #res.getCompoSpriteData("alpha")}
        partName = parts[1][1]
    )");
    EXPECT_EQ(numbers("sizes"), (std::vector<float>{10, 10, 20, 10, 10, 5, -10, -5, 10, 5, -10000, -10000, 20000,
                                                    20000, 1, 2, 11, 21}));
    EXPECT_EQ(numbers("part"), (std::vector<float>{2, 5, 0, 0}));
    EXPECT_EQ(lua->getGlobals().getString("partName"), "alpha");

    // The reloaded sheet has no texture: sprites need one to draw. Load it with its texture.
    run(R"(
        res.drawSprite("alpha", 10, 20)
        res.createSpriteSheet("a.dat", true)
        res.drawSprite("alpha", 10, 20)
        res:drawSprite("alpha", 10, 20, "TOP", "LEFT")
        res.drawCompoSprite("alpha", 10, 20, "", "RIGHT", 30, 40)
        res.drawSprite("unknown", 0, 0)
    )");
    ASSERT_EQ(context.quads.size(), 3u);
    const std::vector<std::vector<float>> expected{{5, 15, 10, 10}, {10, 20, 10, 10}, {0, 15, 30, 40}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const RecordedQuad& quad = context.quads[i];
        EXPECT_EQ((std::vector<float>{quad.x, quad.y, quad.w, quad.h}), expected[i]) << "quad " << i;
    }
    EXPECT_EQ(lua->getTop(), 0);
}

TEST_F(LuaResourcesTest, BadAnchorsAndMissingFontsFailWithTheirMessages) {
    run(R"(res.createSpriteSheet("gfx/a.dat"))");
    EXPECT_THAT(failureOf(R"(res.drawSprite("alpha", 0, 0, "MIDDLE"))"), ::testing::HasSubstr("Invalid anchor: MIDDLE"));
    EXPECT_THAT(failureOf(R"(res.drawString("t", "k", 0, 0))"),
                ::testing::HasSubstr("No font is set while trying to draw string"));
    EXPECT_THAT(failureOf(R"(res.getFontHeight())"), ::testing::HasSubstr("No font is set while trying to get font height!"));
    run(R"(
        res.useLocale("fi_FI")
        locale = res.getLocale()
        text = res.getString("unknown set", "key")
    )");
    EXPECT_EQ(lua->getGlobals().getString("locale"), "fi_FI");
    EXPECT_EQ(lua->getGlobals().getString("text"), "key");

    EXPECT_THAT(failureOf(R"(res.createSystemFont("title", "No Such Family", 12, 255, 255, 255, 255, 0))"),
                ::testing::HasSubstr("Font No Such Family is not available."));
    run(R"(
        res.createSystemFont("title", "DejaVu Sans", 12, 255, 255, 255, 255, 1)
        res.useFont("title")
        metrics = {res.getStringWidth("Hello"), res.getFontHeight(), res.getFontTracking()}
        for _, family in ipairs(res.getAvailableSystemFonts()) do
            if family == "DejaVu Sans" then listed = true end
        end
    )");
    const std::vector<float> metrics = numbers("metrics");
    ASSERT_EQ(metrics.size(), 3u);
    EXPECT_GT(metrics[0], 20.0f);
    EXPECT_GT(metrics[1], 10.0f);
    EXPECT_EQ(metrics[2], 0.0f);
    EXPECT_TRUE(lua->getGlobals().getBoolean("listed"));
}
