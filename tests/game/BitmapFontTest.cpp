#include "game/BitmapFont.h"
#include "RecordingContext.h"
#include "ResourceFiles.h"

namespace {

using V = game::VerticalAnchor;
using H = game::HorizontalAnchor;
using Font = lang::Ref<game::BitmapFont>;
constexpr int kAll = game::IFont::kAll;

// Leading 3, tracking 2; "A" 8 x 10 with baseline 8, "B" 6 x 12 with baseline 9 (so max ascending
// 9, max descending 3), and U+FF21, a code point beyond a signed 16-bit number.
const Fields kFont = {"glyphs.png", 3, 2, 3, 'A', 0, 0, 8, 10, 8, 'B', 8, 0, 6, 12, 9, 0xFF21, 14, 0, 4, 4, 4};

Bytes fontFile() {
    game::ContainerWriter writer;
    chunk(writer, "JUNK", {});
    chunk(writer, "FONT", {2, "wrong.png"});
    chunk(writer, "FONT", Fields{1} + kFont);
    return writer.finish();
}

class BitmapFontTest : public InTemporaryFolder {
protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        writeFile("fonts/glyphs.png", pngHeader(64, 32));
        writeFile("fonts/font.dat", fontFile());
    }
    RecordingContext m_context;
};

} // namespace

TEST_F(BitmapFontTest, BothLayoutsGiveTheGlyphsMetricsAndTexture) {
    for (const Bytes& bytes : {fontFile(), bare(kFont)}) {
        writeFile("fonts/font.dat", bytes);
        const Font font = new game::BitmapFont(m_context, "fonts/font.dat");
        EXPECT_EQ((std::vector<int>{font->maxAscending(), font->maxDescending(), font->fontHeight(), font->leading(),
                                    font->tracking(), font->sheet().texture()->width()}),
                  (std::vector<int>{9, 3, 12, 3, 2, 64}));
        EXPECT_EQ(font->filter("AxB\uFF21y"), "AB\uFF21");
        EXPECT_TRUE(font->hasCharacter(0xFF21) && font->sheet().findSprite("65313") && !font->hasCharacter('x'));
        EXPECT_EQ(m_context.loadedPaths.back(), "fonts/glyphs.png");
    }
}

TEST_F(BitmapFontTest, MeasuresCodePointRangesWithTrackingAndMissingGlyphs) {
    const Font font = new game::BitmapFont(m_context, "fonts/font.dat");
    const struct {
        const char* text;
        int start, count;
        V vertical;
        H horizontal;
        std::vector<int> sizeAndBounds; // width, height, x0, y0, x1, y1
    } cases[] = {
        {"AB", 0, kAll, V::Baseline, H::Left, {16, 12, 0, -9, 16, 3}},
        {"AxB", 0, kAll, V::Top, H::Right, {18, 12, -18, 0, 0, 12}},
        {"\u00E9A", 0, kAll, V::VCenter, H::HCenter, {10, 10, -5, -5, 5, 5}}, // a step for the missing e-acute
        {"ABA", 1, 99, V::Bottom, H::HPivot, {16, 12, 0, -12, 16, 0}},
        {"AB", -4, 1, V::VPivot, H::Left, {8, 10, 0, -8, 8, 2}},
        {"AB", 5, 1, V::Top, H::Left, {0, 0, 0, 9, 0, 9}},
        {"x", 0, kAll, V::Baseline, H::Left, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const game::TextBounds box = font->bounds(c.text, {c.vertical, c.horizontal}, c.start, c.count);
        EXPECT_EQ((std::vector<int>{font->width(c.text, c.start, c.count), font->height(c.text, c.start, c.count),
                                    box.x0, box.y0, box.x1, box.y1}),
                  c.sizeAndBounds)
            << c.text << " from " << c.start;
    }
}

TEST_F(BitmapFontTest, DrawingPutsGlyphsOnTheBaselineAndAdvancesByWidthAndTracking) {
    const Font font = new game::BitmapFont(m_context, "fonts/font.dat");
    const struct {
        const char* text;
        int start;
        V vertical;
        H horizontal;
        std::vector<float> corners; // x, y of each glyph's quad
    } cases[] = {
        {"AB", 0, V::Baseline, H::Left, {100, 42, 110, 41}},  {"AB", 0, V::Top, H::Left, {100, 51, 110, 50}},
        {"AxB", 0, V::VPivot, H::Right, {82, 42, 92, 41}},    {"AB", 0, V::Bottom, H::HCenter, {92, 39, 102, 38}},
        {"AB", 0, V::VCenter, H::HPivot, {100, 45, 110, 44}}, {"AB", 1, V::Baseline, H::Left, {100, 41}},
    };
    for (const auto& c : cases) {
        m_context.quads.clear();
        font->drawPart(m_context, c.text, c.start, kAll, 100, 50, {c.vertical, c.horizontal});
        std::vector<float> corners;
        for (const RecordedQuad& quad : m_context.quads)
            corners.insert(corners.end(), {quad.x, quad.y});
        EXPECT_EQ(corners, c.corners) << c.text << " " << int(c.vertical);
    }
}

TEST_F(BitmapFontTest, EveryPrefixOfAFontReadsOrRaises) {
    for (const Bytes& bytes : {fontFile(), bare(kFont)}) {
        expectEveryPrefixReadsOrRaises(bytes, [this](const Bytes& prefix) {
            Font(new game::BitmapFont(m_context, inMemory(prefix, "fonts/font.dat")));
        });
    }
}
