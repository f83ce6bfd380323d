#include "RecordingContext.h"
#include "ResourceFiles.h"
#include "game/BitmapFont.h"
#include "game/ContainerWriter.h"

#include <gtest/gtest.h>

namespace {

using game::HorizontalAnchor;
using game::VerticalAnchor;
using Font = lang::Ref<game::BitmapFont>;

// Leading 3, tracking 2; "A" 8 x 10 with baseline 8, "B" 6 x 12 with baseline 9 (so max ascending
// 9, max descending 3), and U+FF21, whose code point is beyond a signed 16-bit number.
void writeFont(game::ContainerWriter& writer) {
    writer.writeString("glyphs.png");
    for (const int value : {3, 2, 3, int('A'), 0, 0, 8, 10, 8, int('B'), 8, 0, 6, 12, 9, 0xFF21, 14, 0, 4, 4, 4})
        writer.writeShort(static_cast<std::int16_t>(value));
}

std::vector<std::uint8_t> fontFile(bool legacy) {
    game::ContainerWriter writer;
    if (legacy) {
        writeFont(writer);
        return withoutHeader(writer.finish());
    }
    writer.beginChunk(game::fourCharacterCode("JUNK"));
    writer.endChunk();
    for (const std::int16_t version : {2, 1}) {
        writer.beginChunk(game::kFontChunk);
        writer.writeShort(version);
        if (version == 1)
            writeFont(writer);
        else
            writer.writeString("wrong.png");
        writer.endChunk();
    }
    return writer.finish();
}

class BitmapFontTest : public InTemporaryFolder {
protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        writeFile("fonts/glyphs.png", pngHeader(64, 32));
        writeFile("fonts/font.dat", fontFile(false));
    }
    RecordingContext m_context;
};

} // namespace

TEST_F(BitmapFontTest, BothLayoutsGiveTheGlyphsMetricsAndTexture) {
    for (const bool legacy : {false, true}) {
        writeFile("fonts/font.dat", fontFile(legacy));
        const Font font = new game::BitmapFont(m_context, "fonts/font.dat");
        EXPECT_EQ((std::vector<int>{font->maxAscending(), font->maxDescending(), font->fontHeight(), font->leading(),
                                    font->tracking()}),
                  (std::vector<int>{9, 3, 12, 3, 2}));
        EXPECT_EQ(font->filter("AxB\xEF\xBC\xA1y"), "AB\xEF\xBC\xA1");
        EXPECT_TRUE(font->hasCharacter(0xFF21));
        EXPECT_FALSE(font->hasCharacter('x'));
        ASSERT_TRUE(font->sheet().findSprite("65313"));
        EXPECT_EQ(font->sheet().texture()->width(), 64);
        EXPECT_EQ(m_context.loadedPaths.back(), "fonts/glyphs.png");
    }
}

TEST_F(BitmapFontTest, MeasuresCodePointRangesWithTrackingAndMissingGlyphs) {
    const Font font = new game::BitmapFont(m_context, "fonts/font.dat");
    const struct {
        const char* text;
        int start, count;
        VerticalAnchor vertical;
        HorizontalAnchor horizontal;
        int width, height, x0, y0, x1, y1;
    } cases[] = {
        {"AB", 0, game::IFont::kAll, VerticalAnchor::Baseline, HorizontalAnchor::Left, 16, 12, 0, -9, 16, 3},
        {"AxB", 0, game::IFont::kAll, VerticalAnchor::Top, HorizontalAnchor::Right, 18, 12, -18, 0, 0, 12},
        {"\xC3\xA9"
         "A",
         0, game::IFont::kAll, VerticalAnchor::VCenter, HorizontalAnchor::HCenter, 10, 10, -5, -5, 5, 5},
        {"ABA", 1, 99, VerticalAnchor::Bottom, HorizontalAnchor::HPivot, 16, 12, 0, -12, 16, 0},
        {"AB", -4, 1, VerticalAnchor::VPivot, HorizontalAnchor::Left, 8, 10, 0, -8, 8, 2},
        {"AB", 5, 1, VerticalAnchor::Top, HorizontalAnchor::Left, 0, 0, 0, 9, 0, 9},
        {"x", 0, game::IFont::kAll, VerticalAnchor::Baseline, HorizontalAnchor::Left, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const game::TextBounds box = font->bounds(c.text, {c.vertical, c.horizontal}, c.start, c.count);
        EXPECT_EQ((std::vector<int>{font->width(c.text, c.start, c.count), font->height(c.text, c.start, c.count),
                                    box.x0, box.y0, box.x1, box.y1}),
                  (std::vector<int>{c.width, c.height, c.x0, c.y0, c.x1, c.y1}))
            << c.text << " from " << c.start;
    }
}

TEST_F(BitmapFontTest, DrawingPutsGlyphsOnTheBaselineAndAdvancesByWidthAndTracking) {
    const Font font = new game::BitmapFont(m_context, "fonts/font.dat");
    const struct {
        const char* text;
        int start;
        VerticalAnchor vertical;
        HorizontalAnchor horizontal;
        std::vector<float> corners; // x, y of each glyph's quad
    } cases[] = {
        {"AB", 0, VerticalAnchor::Baseline, HorizontalAnchor::Left, {100, 42, 110, 41}},
        {"AB", 0, VerticalAnchor::Top, HorizontalAnchor::Left, {100, 51, 110, 50}}, // B's top is at y
        {"AxB", 0, VerticalAnchor::VPivot, HorizontalAnchor::Right, {82, 42, 92, 41}},
        {"AB", 0, VerticalAnchor::Bottom, HorizontalAnchor::HCenter, {92, 39, 102, 38}},
        {"AB", 0, VerticalAnchor::VCenter, HorizontalAnchor::HPivot, {100, 45, 110, 44}},
        {"AB", 1, VerticalAnchor::Baseline, HorizontalAnchor::Left, {100, 41}},
    };
    for (const auto& c : cases) {
        m_context.quads.clear();
        font->drawPart(m_context, c.text, c.start, game::IFont::kAll, 100, 50, {c.vertical, c.horizontal});
        std::vector<float> corners;
        for (const RecordedQuad& quad : m_context.quads)
            corners.insert(corners.end(), {quad.x, quad.y});
        EXPECT_EQ(corners, c.corners) << c.text << " " << static_cast<int>(c.vertical);
    }
}

TEST_F(BitmapFontTest, EveryPrefixOfAFontReadsOrRaises) {
    for (const bool legacy : {false, true}) {
        expectEveryPrefixReadsOrRaises(fontFile(legacy), [this](const std::vector<std::uint8_t>& prefix) {
            Font(new game::BitmapFont(m_context, inMemory(prefix, "fonts/font.dat")));
        });
    }
}
