#include "game/SystemFont.h"
#include "RecordingContext.h"
#include "game/LabelPool.h"
#include "game/ttf/TrueTypeFont.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using game::HorizontalAnchor;
using game::VerticalAnchor;
using Colour = std::array<float, 4>;

constexpr Colour kRed{1.0f, 0.0f, 0.0f, 1.0f};

game::SystemFont sans(RecordingContext& context, int size = 12, Colour colour = kRed, int style = 0) {
    return game::SystemFont(context, "DejaVu Sans", size, colour, style);
}

} // namespace

TEST(SystemFont, RefusesFamiliesAndStylesThatAreNotInstalled) {
    struct Case {
        const char* family;
        int size, style;
        const char* message; // null: the font opens
    };
    const Case cases[] = {
        {"DejaVu Sans", 12, 0, nullptr},
        {"dejavu sans mono", 12, 1, nullptr},
        {"DejaVu Serif", 1, 1, nullptr},
        {"No Such Family Anywhere", 12, 0, "Font No Such Family Anywhere is not available."},
        {"DejaVu Sans", 12, 3, "Style Unknown is not available for font DejaVu Sans."},
        {"DejaVu Sans", 12, -1, "Style Unknown is not available for font DejaVu Sans."},
        {"DejaVu Sans", 0, 0, "Font size 0 is not a positive number of points."},
        {"DejaVu Sans", -5, 0, "Font size -5 is not a positive number of points."},
    };
    RecordingContext context;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.family << " " << c.size << " style " << c.style);
        try {
            game::SystemFont font(context, c.family, c.size, kRed, c.style);
            EXPECT_EQ(c.message, nullptr);
        } catch (const lang::Exception& e) {
            EXPECT_STREQ(e.what(), c.message ? c.message : "(none)");
        }
    }
    const std::vector<std::string>& families = game::SystemFont::availableFamilies();
    EXPECT_TRUE(std::adjacent_find(families.begin(), families.end(), std::greater_equal<>()) == families.end());
    EXPECT_TRUE(std::binary_search(families.begin(), families.end(), "DejaVu Sans Mono"));
    EXPECT_EQ(&families, &game::SystemFont::availableFamilies());
}

TEST(SystemFont, MetricsArePixelsAtDesktopResolutionAndGrowWithSize) {
    RecordingContext context;
    int previousHeight = 0;
    for (int points : {6, 9, 12, 24, 48}) {
        SCOPED_TRACE(points);
        game::SystemFont font = sans(context, points);
        const int em = points * 96 / 72;
        EXPECT_GE(font.fontHeight(), em);
        EXPECT_LE(font.fontHeight(), em * 3 / 2 + 1);
        EXPECT_GT(font.maxDescending(), 0);
        EXPECT_GE(font.leading(), font.fontHeight());
        EXPECT_GT(font.fontHeight(), previousHeight);
        previousHeight = font.fontHeight();
        EXPECT_GT(font.width("AB"), font.width("A"));
        EXPECT_EQ(font.height("A"), font.height("AB"));
        EXPECT_EQ(font.height("A\nB"), font.height("A") + font.leading());
        EXPECT_EQ(font.tracking(), 0);
    }
    // The style picks another face, not the same face under another name.
    game::SystemFont bold = sans(context, 12, kRed, 1);
    EXPECT_GT(bold.width("Mmmm"), sans(context).width("Mmmm"));
}

TEST(SystemFont, ByteRangesAreClampedAndKeepWholeCharacters) {
    struct Case {
        const char* text;
        int start, count;
        const char* same; // the text whose whole extent the range has
    };
    const Case cases[] = {
        {"ABC", 1, 1, "B"},
        {"ABC", 1, game::IFont::kAll, "BC"},
        {"ABC", -4, 2, "AB"},
        {"ABC", 7, 1, ""},
        {"ABC", 0, -1, ""},
        {"A\xC3\xA9", 0, 2, "A"},
        {"A\xC3\xA9", 2, 9, ""},
        {"A\xE2\x82\xAC"
         "B",
         1, 3, "\xE2\x82\xAC"},
        {"A\xE2\x82\xAC"
         "B",
         1, 2, ""},
        {"\xF0\x9F\x98\x80"
         "A",
         0, 4, "\xF0\x9F\x98\x80"},
    };
    RecordingContext context;
    game::SystemFont font = sans(context);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " " << c.start << " " << c.count);
        EXPECT_EQ(font.width(c.text, c.start, c.count), font.width(c.same));
        EXPECT_EQ(font.height(c.text, c.start, c.count), font.height(c.same));
    }
    EXPECT_EQ(font.height(""), 0);
}

TEST(SystemFont, FontsAlikeShareOneLabelPerText) {
    struct Step {
        int font;
        const char* text;
        int texturesAfter;
    };
    RecordingContext context;
    game::SystemFont fonts[] = {sans(context), sans(context), sans(context, 12, {0.0f, 0.0f, 1.0f, 1.0f}),
                                sans(context, 12, kRed, 1), sans(context, 13)};
    const Step steps[] = {{0, "Hi", 1}, {1, "Hi", 1}, {0, "Hi", 1}, {2, "Hi", 2}, {3, "Hi", 3},
                          {4, "Hi", 4}, {0, "Ho", 5}, {1, "", 5},   {1, "\n", 5}, {1, "Ho", 5}};
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "font " << step.font << " " << step.text);
        fonts[step.font].draw(context, step.text, 0.0f, 0.0f, {});
        EXPECT_EQ(context.texturesCreated, step.texturesAfter);
    }
    ASSERT_EQ(context.quads.size(), 8u);
    EXPECT_EQ(context.quads[0].image, context.quads[1].image);
    const auto& texture = static_cast<const RecordingImage&>(*context.quads[0].image);
    EXPECT_EQ(texture.width(), fonts[0].width("Hi"));
    EXPECT_EQ(texture.height(), fonts[0].height("Hi"));
    EXPECT_EQ(texture.uploads, 1);
    EXPECT_EQ(game::LabelPool::shared().size(), 5u);
}

TEST(SystemFont, LabelPixelsArePremultipliedInTheFontColour) {
    struct Case {
        Colour colour;
        std::uint32_t opaque; // the colour of fully covered pixels, if the colour is opaque
    };
    const Case cases[] = {{kRed, 0xFFFF0000u},
                          {{1.0f, 1.0f, 1.0f, 1.0f}, 0xFFFFFFFFu},
                          {{0.2f, 1.0f, 0.6f, 0.5f}, 0},
                          {{NAN, 2.0f, -1.0f, 1.0f}, 0xFF00FF00u}};
    RecordingContext context;
    for (const Case& c : cases) {
        game::SystemFont font = sans(context, 24, c.colour); // keeps the label alive
        const int textures = context.texturesCreated;
        font.draw(context, "W@g", 0.0f, 0.0f, {});
        font.draw(context, "W@g", 0.0f, 0.0f, {});
        EXPECT_EQ(context.texturesCreated, textures + 1);
        const auto& pixels = static_cast<const RecordingImage&>(*context.quads.back().image).pixels;
        std::uint32_t maxAlpha = 0;
        int opaque = 0;
        for (std::uint32_t p : pixels) {
            const std::uint32_t alpha = p >> 24;
            maxAlpha = std::max(maxAlpha, alpha);
            EXPECT_TRUE((p >> 16 & 0xFF) <= alpha && (p >> 8 & 0xFF) <= alpha && (p & 0xFF) <= alpha) << std::hex << p;
            if (alpha == 255) {
                EXPECT_EQ(p, c.opaque);
                ++opaque;
            }
        }
        EXPECT_EQ(maxAlpha, c.opaque ? 255u : 128u);
        EXPECT_EQ(opaque > 0, c.opaque != 0);
    }
}

TEST(SystemFont, AnchorsPlaceTheTopLeftCornerOfTheLabel) {
    struct Case {
        VerticalAnchor vertical;
        HorizontalAnchor horizontal;
        int dx, dy; // in units of: width, half width; ascent, half ascent, descent (see below)
    };
    RecordingContext context;
    game::SystemFont font = sans(context, 20);
    const int w = font.width("Tg"), asc = font.maxAscending(), desc = font.maxDescending();
    const Case cases[] = {
        {VerticalAnchor::Top, HorizontalAnchor::Left, 0, 0},
        {VerticalAnchor::VPivot, HorizontalAnchor::HPivot, 0, 0},
        {VerticalAnchor::Baseline, HorizontalAnchor::Right, -w, -asc},
        {VerticalAnchor::Bottom, HorizontalAnchor::HCenter, -(w >> 1), -(asc + desc)},
        {VerticalAnchor::VCenter, HorizontalAnchor::Left, 0, -((asc >> 1) + desc)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.vertical) << " " << int(c.horizontal));
        font.draw(context, "Tg", 100.75f, 50.5f, {c.vertical, c.horizontal});
        const RecordedQuad& quad = context.quads.back();
        EXPECT_EQ(quad.x, static_cast<int>(100.75f + c.dx));
        EXPECT_EQ(quad.y, static_cast<int>(50.5f + c.dy));
        const game::TextBounds box = font.bounds("Tg", {c.vertical, c.horizontal});
        EXPECT_EQ(box.x0, c.dx);
        EXPECT_EQ(box.y0, c.dy);
        EXPECT_EQ(box.x1 - box.x0, static_cast<int>(quad.w));
        EXPECT_EQ(box.y1 - box.y0, static_cast<int>(quad.h));
    }
    EXPECT_EQ(context.texturesCreated, 1);
}

TEST(SystemFont, PoolStaysInBudgetAndEmptiesWithTheLastFont) {
    RecordingContext context;
    lang::Ref<game::SystemFont> first = new game::SystemFont(context, "DejaVu Sans", 72, kRed, 0);
    game::LabelPool& pool = game::LabelPool::shared();
    std::size_t largest = 0;
    for (int i = 0; i < 30; ++i) {
        first->draw(context, "Label number " + std::to_string(i) + " is rather long", 0.0f, 0.0f, {});
        EXPECT_LE(pool.bytes(), game::LabelPool::kBudget);
        largest = std::max(largest, pool.bytes());
    }
    EXPECT_GT(largest, game::LabelPool::kBudget * 3 / 4);
    {
        game::SystemFont second = sans(context);
        first = nullptr;
        EXPECT_GT(pool.size(), 0u);
    }
    EXPECT_EQ(pool.size(), 0u);
    EXPECT_EQ(pool.bytes(), 0u);
    EXPECT_EQ(game::ttf::TrueTypeFont::liveFonts(), 0);
    // The font library starts again for the next font.
    EXPECT_GT(sans(context).width("A"), 0);
}
