#include "game/SpriteSheet.h"
#include "RecordingContext.h"
#include "ResourceFiles.h"

namespace {

using V = game::VerticalAnchor;
using H = game::HorizontalAnchor;

// From the texture name on: `first` (10 x 7 at (16, 8), pivot (3, 4)) and "tile".
Fields sheet(const char* texture, const char* first) {
    return {texture, 2, first, 16, 8, 10, 7, 3, 4, "tile", 32, 8, 10, 7, 3, 4};
}

Bytes sheetFile(bool otherVersionFirst) {
    game::ContainerWriter writer;
    chunk(writer, "JUNK", {Int32{5}});
    if (otherVersionFirst)
        chunk(writer, "SPRT", Fields{2} + sheet("wrong.png", "ghost"));
    chunk(writer, "SPRT", Fields{1} + sheet("sheet.png", "hero"));
    chunk(writer, "TAIL", {});
    return writer.finish();
}

class SpriteSheetTest : public InTemporaryFolder {};

} // namespace

TEST_F(SpriteSheetTest, EveryLayoutGivesTheSpritesAndTheTextureBesideTheFile) {
    writeFile("art/sheet.png", pngHeader(128, 64));
    for (const Bytes& bytes : {sheetFile(false), sheetFile(true), bare(sheet("sheet.png", "hero"))}) {
        writeFile("art/sheet.dat", bytes);
        RecordingContext context;
        const lang::Ref<game::SpriteSheet> read = new game::SpriteSheet(context, "art/sheet.dat", true);
        EXPECT_EQ(read->texturePath(), "art/sheet.png");
        EXPECT_EQ(context.loadedPaths, std::vector<std::string>{"art/sheet.png"});
        ASSERT_EQ(read->sprites().size(), 2u);
        const game::Sprite& hero = *read->findSprite("hero");
        EXPECT_EQ((std::vector<int>{hero.x(), hero.y(), hero.width(), hero.height(), hero.pivotX(), hero.pivotY()}),
                  (std::vector<int>{16, 8, 10, 7, 3, 4}));
        const std::vector<float> uv(hero.texCoords().uv, hero.texCoords().uv + 8);
        EXPECT_EQ(uv, (std::vector<float>{0.125f, 0.125f, 0.203125f, 0.125f, 0.125f, 0.234375f, 0.203125f, 0.234375f}));
    }
    // Without its texture a sheet has nothing to draw with.
    RecordingContext context;
    const lang::Ref<game::SpriteSheet> bareSheet = new game::SpriteSheet(context, "art/sheet.dat", false);
    bareSheet->findSprite("hero")->draw(context, 0, 0, {});
    EXPECT_TRUE(context.loadedPaths.empty() && context.quads.empty());
}

TEST(Sprite, AnchorsMoveTheQuadByTheSpritesOwnSizeAndPivotAtAnyDrawSize) {
    const lang::Ref<game::SpriteSheet> sheet = new game::SpriteSheet(new RecordingImage(128, 64, "t"));
    const game::Sprite& hero = sheet->addSprite("hero", 16, 8, 10, 7, 3, 4);
    const struct {
        V vertical;
        H horizontal;
        float width, height; // 0: drawn at its own size
        float x, y;
    } cases[] = {
        {V::Top, H::Left, 0, 0, 100, 200},         {V::VCenter, H::HCenter, 0, 0, 95, 197}, // odd height: 3 up
        {V::Bottom, H::Right, 0, 0, 90, 193},      {V::Baseline, H::HPivot, 0, 0, 97, 196},
        {V::VPivot, H::HPivot, 0, 0, 97, 196},     {V::Bottom, H::Right, 40, 28, 90, 193},
        {V::VCenter, H::HCenter, 40, 28, 95, 197},
    };
    for (const auto& c : cases) {
        RecordingContext context;
        if (c.width == 0)
            hero.draw(context, 100, 200, {c.vertical, c.horizontal});
        else
            hero.drawScaled(context, 100, 200, c.width, c.height, {c.vertical, c.horizontal});
        ASSERT_EQ(context.quads.size(), 1u);
        const RecordedQuad& quad = context.quads[0];
        EXPECT_EQ((std::vector<float>{quad.x, quad.y, quad.w, quad.h, quad.coords.uv[3]}),
                  (std::vector<float>{c.x, c.y, c.width == 0 ? 10 : c.width, c.height == 0 ? 7 : c.height,
                                      hero.texCoords().uv[3]}))
            << int(c.vertical) << "/" << int(c.horizontal);
        EXPECT_EQ(quad.image, sheet->texture().get());
    }
}

TEST_F(SpriteSheetTest, EveryPrefixOfASheetReadsOrRaises) {
    writeFile("sheet.png", pngHeader(16, 16));
    for (const Bytes& bytes : {sheetFile(true), bare(sheet("sheet.png", "hero"))}) {
        expectEveryPrefixReadsOrRaises(bytes, [](const Bytes& prefix) {
            RecordingContext context;
            lang::Ref<game::SpriteSheet>(new game::SpriteSheet(context, inMemory(prefix, "sheet.dat"), true));
        });
    }
}
