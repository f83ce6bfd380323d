#include "RecordingContext.h"
#include "ResourceFiles.h"
#include "game/ContainerWriter.h"
#include "game/Resources.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

/// A data folder with two sheets that share the sprite "shared", a composite over sheet "a", a
/// bitmap font and a text group file in English and Finnish.
struct ResourcesTest : InTemporaryFolder {
    RecordingContext context;
    lang::Ref<game::Resources> resources{new game::Resources(context)};

    void SetUp() override {
        InTemporaryFolder::SetUp();
        writeFile("gfx/a.png", pngHeader(64, 32));
        writeFile("gfx/a.dat", container("SPRT", {1, "a.png", 2, "alpha", 0, 0, 10, 10, 5, 5, "shared", 10, 0, 20, 8, 0, 0}));
        writeFile("gfx/b.png", pngHeader(16, 16));
        writeFile("gfx/b.dat", container("SPRT", {1, "b.png", 1, "shared", 0, 0, 4, 6, 1, 1}));
        writeFile("gfx/c.dat", container("COMP", {1, 1, "pair", 2, "alpha", -5, 0, "alpha", 5, 0}));
        writeFile("fonts/f.png", pngHeader(32, 32));
        writeFile("fonts/f.dat", container("FONT", {1, "f.png", 2, 1, 2, 'A', 0, 0, 8, 10, 8, 'B', 8, 0, 6, 10, 8}));
        game::ContainerWriter text;
        text.beginChunk(game::kTextChunk);
        put(text, {1});
        chunk(text, "LDAT", {2, "en_EN", "fi_FI"});
        chunk(text, "LIDS", {2, "hello", "ab"});
        chunk(text, "TXGP", {"Hello", "AB"});
        chunk(text, "TXGP", {"Hei", "AB"});
        text.endChunk();
        writeFile("texts/t.dat", text.finish());
    }

    std::string ownerOf(const std::string& name) const {
        const game::SpriteEntry* entry = resources->findEntry(name);
        return entry ? entry->owner : "(none)";
    }
};

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const lang::Exception& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST_F(ResourcesTest, SheetsAreKeptByBaseNameAndTheLaterSheetWinsANameUntilEitherIsReleased) {
    resources->setPath("gfx");
    resources->createSpriteSheet("a.dat");
    resources->createSpriteSheet("b.dat");
    EXPECT_EQ(ownerOf("shared"), "b");
    EXPECT_EQ(resources->spriteBounds("shared"), std::make_pair(4, 6));

    // Without reload the first sheet stays; with it, the sheet is read again and re-indexed.
    const game::SpriteSheet* first = resources->spriteSheets().at("a").get();
    resources->createSpriteSheet("a.dat");
    EXPECT_EQ(resources->spriteSheets().at("a").get(), first);
    EXPECT_EQ(ownerOf("shared"), "b");
    resources->createSpriteSheet("a.dat", true);
    EXPECT_NE(resources->spriteSheets().at("a").get(), first);
    EXPECT_EQ(ownerOf("shared"), "a");

    // Releasing either sheet removes the name, whoever supplied it last.
    resources->releaseSpriteSheet("b.dat");
    EXPECT_EQ(ownerOf("shared"), "(none)");
    EXPECT_EQ(ownerOf("alpha"), "a");

    // Releasing only the texture keeps the sheet but unindexes its sprites.
    resources->releaseSpriteSheet("a", true);
    ASSERT_EQ(resources->spriteSheets().count("a"), 1u);
    EXPECT_FALSE(resources->spriteSheets().at("a")->texture());
    EXPECT_EQ(ownerOf("alpha"), "(none)");
}

TEST_F(ResourcesTest, CompositesShareTheIndexAndAnswerTheirQueries) {
    resources->setPath("gfx/");
    EXPECT_THROW(resources->createCompoSpriteSet("c.dat"), lang::Exception) << "its sprites are not loaded yet";
    EXPECT_TRUE(resources->compoSpriteSets().empty());

    resources->createSpriteSheet("a.dat");
    resources->createCompoSpriteSet("c.dat");
    ASSERT_NE(resources->findEntry("pair"), nullptr);
    EXPECT_EQ(resources->findEntry("pair")->kind, game::SpriteKind::Composite);
    EXPECT_EQ(resources->findSprite("pair"), nullptr) << "the provider answers plain sprites only";
    EXPECT_EQ(resources->spriteBounds("pair"), std::make_pair(20, 10));
    EXPECT_EQ(resources->spritePivot("pair"), std::make_pair(10, 5));
    const game::PivotBox box = resources->compoSpriteBounds("pair");
    EXPECT_EQ((std::vector<int>{box.left, box.top, box.right, box.bottom}), (std::vector<int>{-10, -5, 10, 5}));
    const std::vector<game::CompoSprite::Part>& parts = resources->compoSpriteData("pair");
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[1].spriteName, "alpha");
    EXPECT_EQ(parts[1].x, 5.0f);
    EXPECT_TRUE(resources->compoSpriteData("alpha").empty());

    // Drawing: a composite draws its parts, an unknown name nothing, a sized sprite stretched.
    resources->drawSprite("pair", 100, 50, {});
    resources->drawSprite("nothing", 0, 0, {});
    resources->drawSprite("alpha", 0, 0, {}, std::pair{30.0f, 40.0f});
    ASSERT_EQ(context.quads.size(), 3u);
    EXPECT_FLOAT_EQ(context.quads[0].x, 90.0f);
    EXPECT_FLOAT_EQ(context.quads[2].w, 30.0f);

    resources->releaseCompoSpriteSet("c.dat");
    EXPECT_EQ(resources->findEntry("pair"), nullptr);
    EXPECT_NE(resources->findEntry("alpha"), nullptr);
}

TEST_F(ResourcesTest, FontMetricsNeedACurrentFontAndTheFontInUseOutlivesItsRelease) {
    const std::vector<std::pair<std::function<void()>, std::string>> withoutFont{
        {[&] { resources->stringWidth("x"); }, "No font is set while trying to get string width"},
        {[&] { resources->fontMaxAscending(); }, "No font is set while trying to get font max ascending"},
        {[&] { resources->fontMaxDescending(); }, "No font is set while trying to get font max descending"},
        {[&] { resources->fontLeading(); }, "No font is set while trying to get font leading"},
        {[&] { resources->fontTracking(); }, "No font is set while trying to get font tracking"},
        {[&] { resources->fontHeight(); }, "No font is set while trying to get font height!"},
        {[&] { resources->drawString("t", "hello", 0, 0, {}); }, "No font is set while trying to draw string"},
    };
    for (const auto& [action, message] : withoutFont)
        EXPECT_EQ(messageOf(action), message);

    resources->createBitmapFont("fonts/f.dat");
    resources->useFont("missing");
    EXPECT_EQ(resources->currentFont(), nullptr);
    resources->useFont("f");
    EXPECT_EQ(resources->stringWidth("AB"), 8 + 6 + 1);
    EXPECT_EQ(resources->fontHeight(), 8 + 2);
    EXPECT_EQ(resources->fontLeading(), 2);

    resources->releaseFont("fonts/f.dat");
    EXPECT_TRUE(resources->fonts().empty());
    EXPECT_EQ(resources->stringWidth("A"), 8) << "the current font stays usable";
}

TEST_F(ResourcesTest, StringsFollowTheCurrentLanguageOfTheirSet) {
    EXPECT_EQ(resources->getString("t", "hello"), "hello") << "an unknown set answers the key";
    resources->createTextGroupSet("texts/t.dat");
    EXPECT_EQ(messageOf([&] { resources->getString("t", "hello"); }),
              "Trying to get TextGroup for language which is not loaded. Language: \"en_EN\"");
    resources->loadLocale("t", "ALL");
    EXPECT_EQ(resources->getString("t", "hello"), "Hello");
    resources->useLocale("fi_FI");
    EXPECT_EQ(resources->getString("t", "hello"), "Hei");
    EXPECT_EQ(resources->getString("t", "missing"), "missing");

    // loadLocale drops the other languages first.
    resources->loadLocale("t", "en_EN");
    EXPECT_EQ(messageOf([&] { resources->getString("t", "hello"); }),
              "Trying to get TextGroup for language which is not loaded. Language: \"fi_FI\"");
    resources->useLocale("sv_SE");
    EXPECT_EQ(messageOf([&] { resources->getString("t", "hello"); }),
              "Trying to get TextGroup for language not present in data file. Language: \"sv_SE\"");

    resources->useLocale("en_EN");
    resources->createBitmapFont("fonts/f.dat");
    resources->useFont("f");
    resources->drawString("t", "ab", 0, 0, {game::VerticalAnchor::Top, game::HorizontalAnchor::Left});
    ASSERT_EQ(context.quads.size(), 2u);
    EXPECT_FLOAT_EQ(context.quads[0].y, 0.0f) << "top-anchored glyphs start at y";
    EXPECT_FLOAT_EQ(context.quads[1].x, 9.0f) << "B follows A's width and the tracking";
}

TEST_F(ResourcesTest, TheLoadQueueTakesEachFileOnceAndLoadsInOrder) {
    resources->setPath("gfx");
    resources->queueSpriteSheet("a.dat");
    resources->queueCompoSpriteSet("a.dat");
    resources->queueCompoSpriteSet("c.dat");
    resources->queueSpriteSheet("b.dat");
    EXPECT_EQ(resources->queuedLoads(), 3u);
    resources->loadNextQueued();
    EXPECT_EQ(resources->spriteSheets().size(), 1u);
    resources->loadAllQueued();
    EXPECT_EQ(resources->queuedLoads(), 0u);
    EXPECT_EQ(resources->compoSpriteSets().size(), 1u);
    EXPECT_EQ(resources->spriteSheets().size(), 2u);
}

TEST_F(ResourcesTest, CapturingMakesAOneSpriteSheetAndThenReusesItsTexture) {
    EXPECT_EQ(resources->clipRect().x0, -10000);
    EXPECT_EQ(resources->clipRect().y1, 10000);

    resources->captureSprite("shot");
    ASSERT_EQ(resources->spriteBounds("shot"), std::make_pair(800, 600));
    const gr::Image* texture = resources->spriteSheets().at("shot")->texture().get();
    resources->captureSprite("shot");
    EXPECT_EQ(context.captures, 2);
    EXPECT_EQ(resources->spriteSheets().at("shot")->texture().get(), texture);

    // A frame of another size needs a sprite of its size.
    context.frameWidth = 640;
    resources->captureSprite("shot");
    EXPECT_EQ(resources->spriteBounds("shot"), std::make_pair(640, 600));
}

TEST_F(ResourcesTest, DrawablesKeptPastTheirSheetsReleaseDrawNothing) {
    resources->setPath("gfx");
    resources->createSpriteSheet("a.dat");
    resources->createCompoSpriteSet("c.dat");
    const lang::Ref<game::Sprite> sprite = resources->findSprite("alpha");
    const lang::Ref<game::CompoSprite> composite = resources->findEntry("pair")->composite;
    resources->createSpriteSheet("a.dat", true);
    resources->releaseSpriteSheet("a.dat");
    EXPECT_EQ(sprite->sheet(), nullptr);
    EXPECT_EQ(sprite->width(), 10) << "the measurements stay";
    sprite->draw(context, 0, 0, {});
    composite->draw(context, 0, 0, {});
    EXPECT_TRUE(context.quads.empty());
}
