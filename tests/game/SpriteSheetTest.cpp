#include "RecordingContext.h"
#include "ResourceFiles.h"
#include "game/ContainerWriter.h"
#include "game/SpriteSheet.h"

#include <gtest/gtest.h>

namespace {

using game::HorizontalAnchor;
using game::VerticalAnchor;

// A sheet body from the texture name on: "hero" (10 x 7 at (16, 8), pivot (3, 4)) and "tile".
void writeSheet(game::ContainerWriter& writer, const char* texture, const char* firstName) {
    writer.writeString(texture);
    writer.writeShort(2);
    for (const auto& [name, x] : {std::pair{firstName, 16}, std::pair{"tile", 32}}) {
        writer.writeString(name);
        for (const int value : {x, 8, 10, 7, 3, 4})
            writer.writeShort(static_cast<std::int16_t>(value));
    }
}

std::vector<std::uint8_t> sheetFile(bool otherVersionFirst, bool legacy) {
    game::ContainerWriter writer;
    if (legacy) {
        writeSheet(writer, "sheet.png", "hero");
        return withoutHeader(writer.finish());
    }
    writer.beginChunk(game::fourCharacterCode("JUNK"));
    writer.writeInt(5);
    writer.endChunk();
    if (otherVersionFirst) {
        writer.beginChunk(game::kSpriteChunk);
        writer.writeShort(2);
        writeSheet(writer, "wrong.png", "ghost");
        writer.endChunk();
    }
    writer.beginChunk(game::kSpriteChunk);
    writer.writeShort(1);
    writeSheet(writer, "sheet.png", "hero");
    writer.endChunk();
    writer.beginChunk(game::fourCharacterCode("TAIL"));
    writer.endChunk();
    return writer.finish();
}

class SpriteSheetTest : public InTemporaryFolder {};

} // namespace

TEST_F(SpriteSheetTest, SheetsOfEveryLayoutReadTheirSpritesAndTextureBesideTheFile) {
    writeFile("art/sheet.png", pngHeader(128, 64));
    for (const auto& bytes : {sheetFile(false, false), sheetFile(true, false), sheetFile(false, true)}) {
        writeFile("art/sheet.dat", bytes);
        RecordingContext context;
        const lang::Ref<game::SpriteSheet> sheet = new game::SpriteSheet(context, "art/sheet.dat", true);
        EXPECT_EQ(sheet->texturePath(), "art/sheet.png");
        EXPECT_EQ(context.loadedPaths, std::vector<std::string>{"art/sheet.png"});
        ASSERT_EQ(sheet->sprites().size(), 2u);
        const lang::Ref<game::Sprite> hero = sheet->findSprite("hero");
        ASSERT_TRUE(hero);
        EXPECT_EQ((std::vector<int>{hero->x(), hero->y(), hero->width(), hero->height(), hero->pivotX(),
                                    hero->pivotY()}),
                  (std::vector<int>{16, 8, 10, 7, 3, 4}));
        const float expected[8] = {0.125f, 0.125f, 0.203125f, 0.125f, 0.125f, 0.234375f, 0.203125f, 0.234375f};
        for (int i = 0; i < 8; ++i)
            EXPECT_FLOAT_EQ(hero->texCoords().uv[i], expected[i]) << i;
    }
}

TEST_F(SpriteSheetTest, ASheetReadWithoutItsTextureDrawsNothing) {
    writeFile("sheet.dat", sheetFile(false, false));
    RecordingContext context;
    const lang::Ref<game::SpriteSheet> sheet = new game::SpriteSheet(context, "sheet.dat", false);
    EXPECT_TRUE(context.loadedPaths.empty());
    sheet->findSprite("hero")->draw(context, 0, 0, {});
    EXPECT_TRUE(context.quads.empty());
}

TEST(Sprite, AnchorsMoveTheQuadByTheSpritesOwnSizeAndPivotAtAnyDrawSize) {
    const lang::Ref<game::SpriteSheet> sheet = new game::SpriteSheet(new RecordingImage(128, 64, "t"));
    const game::Sprite& hero = sheet->addSprite("hero", 16, 8, 10, 7, 3, 4);
    const struct {
        VerticalAnchor vertical;
        HorizontalAnchor horizontal;
        float drawWidth, drawHeight; // 0: the sprite's own size
        float x, y;
    } cases[] = {
        {VerticalAnchor::Top, HorizontalAnchor::Left, 0, 0, 100, 200},
        {VerticalAnchor::VCenter, HorizontalAnchor::HCenter, 0, 0, 95, 197}, // odd height: up by (7 - 1) / 2
        {VerticalAnchor::Bottom, HorizontalAnchor::Right, 0, 0, 90, 193},
        {VerticalAnchor::Baseline, HorizontalAnchor::HPivot, 0, 0, 97, 196},
        {VerticalAnchor::VPivot, HorizontalAnchor::HPivot, 0, 0, 97, 196},
        {VerticalAnchor::Bottom, HorizontalAnchor::Right, 40, 28, 90, 193},
        {VerticalAnchor::VCenter, HorizontalAnchor::HCenter, 40, 28, 95, 197},
    };
    for (const auto& c : cases) {
        RecordingContext context;
        if (c.drawWidth == 0)
            hero.draw(context, 100, 200, {c.vertical, c.horizontal});
        else
            hero.drawScaled(context, 100, 200, c.drawWidth, c.drawHeight, {c.vertical, c.horizontal});
        ASSERT_EQ(context.quads.size(), 1u);
        const RecordedQuad& quad = context.quads[0];
        EXPECT_EQ(quad.image, sheet->texture().get());
        EXPECT_EQ((std::vector<float>{quad.x, quad.y, quad.w, quad.h}),
                  (std::vector<float>{c.x, c.y, c.drawWidth == 0 ? 10 : c.drawWidth,
                                      c.drawHeight == 0 ? 7 : c.drawHeight}))
            << static_cast<int>(c.vertical) << "/" << static_cast<int>(c.horizontal);
        EXPECT_EQ(quad.coords.uv[2], hero.texCoords().uv[2]);
    }
}

TEST_F(SpriteSheetTest, EveryPrefixOfASheetReadsOrRaises) {
    writeFile("sheet.png", pngHeader(16, 16));
    for (const auto& bytes : {sheetFile(true, false), sheetFile(false, true)}) {
        expectEveryPrefixReadsOrRaises(bytes, [](const std::vector<std::uint8_t>& prefix) {
            RecordingContext context;
            lang::Ref<game::SpriteSheet>(new game::SpriteSheet(context, inMemory(prefix, "sheet.dat"), true));
        });
    }
}
