#include "RecordingContext.h"
#include "ResourceFiles.h"
#include "game/CompoSpriteSet.h"
#include "game/ContainerWriter.h"
#include "game/Sprite.h"
#include "game/SpriteProvider.h"
#include "game/SpriteSheet.h"
#include "io/IOException.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using game::HorizontalAnchor;
using game::VerticalAnchor;

// "body": 40 x 50, pivot (10, 20); "dot": 10 x 10, pivot (5, 5).
class Parts : public game::SpriteProvider {
public:
    Parts() : m_sheet(new game::SpriteSheet(new RecordingImage(100, 100, "parts"))) {
        m_sheet->addSprite("body", 0, 0, 40, 50, 10, 20);
        m_sheet->addSprite("dot", 40, 0, 10, 10, 5, 5);
    }
    game::Sprite* findSprite(const std::string& name) const override { return m_sheet->findSprite(name).get(); }

private:
    lang::Ref<game::SpriteSheet> m_sheet;
};

struct PartAt {
    const char* sprite;
    float x, y;
};

lang::Ref<game::CompoSprite> compose(const Parts& parts, std::initializer_list<PartAt> placed) {
    lang::Ref<game::CompoSprite> composite = new game::CompoSprite();
    for (const PartAt& part : placed)
        composite->addPart(part.sprite, part.x, part.y, *parts.findSprite(part.sprite));
    return composite;
}

void writeComposite(game::ContainerWriter& writer, const char* name, std::initializer_list<PartAt> placed) {
    writer.writeString(name);
    writer.writeShort(static_cast<std::int16_t>(placed.size()));
    for (const PartAt& part : placed) {
        writer.writeString(part.sprite);
        writer.writeShort(static_cast<std::int16_t>(part.x));
        writer.writeShort(static_cast<std::int16_t>(part.y));
    }
}

// Another chunk, a version-2 chunk whose first composite has extras, a version-3 chunk and a
// version-1 chunk whose only part is `lastSprite`.
std::vector<std::uint8_t> setFile(const char* lastSprite) {
    game::ContainerWriter writer;
    writer.beginChunk(game::fourCharacterCode("JUNK"));
    writer.endChunk();
    writer.beginChunk(game::kCompositeChunk);
    writer.writeShort(2);
    writer.writeShort(2);
    writeComposite(writer, "walker", {{"dot", -5, 0}, {"dot", 5, 0}});
    writer.writeShort(2);
    for (const char* extra : {"hand", "foot"}) {
        writer.writeString(extra);
        writer.writeInt(0x00010002);
    }
    writeComposite(writer, "runner", {{"body", 0, 0}});
    writer.writeShort(0);
    writer.endChunk();
    for (const std::int16_t version : {3, 1}) {
        writer.beginChunk(game::kCompositeChunk);
        writer.writeShort(version);
        writer.writeShort(1);
        writeComposite(writer, version == 3 ? "ghost" : "statue", {{lastSprite, 0, 0}});
        writer.endChunk();
    }
    return writer.finish();
}

// Composite names with their parts' sprites, or the message the reading raised.
std::string readSet(const std::vector<std::uint8_t>& bytes) {
    Parts parts;
    io::ByteArrayInputStream stream(bytes, "parts.dat");
    try {
        const lang::Ref<game::CompoSpriteSet> set = new game::CompoSpriteSet(stream, parts);
        std::string summary;
        for (const auto& [name, composite] : set->composites()) {
            summary += name + ":";
            for (const auto& part : composite->parts())
                summary += " " + part.spriteName + "@" + std::to_string(int(part.x)) + "," + std::to_string(int(part.y));
            summary += ";";
        }
        return summary;
    } catch (const lang::Exception& e) {
        return e.what();
    }
}

} // namespace

TEST(CompoSprite, BoundsCoverEveryPartPlacedByItsTruncatedPositionAndPivot) {
    const Parts parts;
    const struct {
        std::initializer_list<PartAt> placed;
        int width, height, pivotX, pivotY;
    } cases[] = {
        {{{"body", 0, 0}}, 40, 50, 10, 20},
        {{{"dot", -5, 0}, {"dot", 5, 0}}, 20, 10, 10, 5},
        {{{"dot", -2.7f, 1.9f}}, 10, 10, 7, 4},
        {{{"body", 0, 0}, {"dot", 30, 40}}, 45, 65, 10, 20},
        {{}, 0, 0, 0, 0}, // no parts: an empty box at the origin
    };
    for (const auto& c : cases) {
        const lang::Ref<game::CompoSprite> composite = compose(parts, c.placed);
        EXPECT_EQ((std::vector<int>{composite->width(), composite->height(), composite->pivotX(), composite->pivotY()}),
                  (std::vector<int>{c.width, c.height, c.pivotX, c.pivotY}))
            << c.placed.size() << " parts";
    }
}

TEST(CompoSpriteSet, ReadsVersionsOneAndTwoOnlyAndRefusesUnknownSpritesAndOtherFiles) {
    EXPECT_EQ(readSet(setFile("body")), "runner: body@0,0;statue: body@0,0;walker: dot@-5,0 dot@5,0;");
    EXPECT_EQ(readSet(setFile("nosuch")), "Sprite \"nosuch\" not loaded while loading parts.dat");
    EXPECT_EQ(readSet(withoutHeader(setFile("body"))), "Malformed QPF2 file: parts.dat");
}

TEST(CompoSprite, DrawingPutsTheChosenPointOnXYAndTurnsPartsAboutTheirPivots) {
    const Parts parts;
    const lang::Ref<game::CompoSprite> walker = compose(parts, {{"dot", -5, 0}, {"dot", 5, 0}});
    const struct {
        float angle;
        VerticalAnchor vertical;
        HorizontalAnchor horizontal;
        float x0, y0, x1, y1, pivot; // the two quads' corners and the pivot they were drawn with
    } cases[] = {
        {0, VerticalAnchor::VPivot, HorizontalAnchor::HPivot, 90, 95, 100, 95, 1},
        {0, VerticalAnchor::Top, HorizontalAnchor::Left, 100, 100, 110, 100, 1},
        {0, VerticalAnchor::Bottom, HorizontalAnchor::Right, 80, 90, 90, 90, 1},
        {std::numbers::pi_v<float> / 2, VerticalAnchor::VPivot, HorizontalAnchor::HPivot, 95, 90, 95, 100, 5},
    };
    for (const auto& c : cases) {
        RecordingContext context;
        context.state().setAngle(c.angle);
        context.state().pivotX = context.state().pivotY = 1;
        walker->draw(context, 100, 100, {c.vertical, c.horizontal});
        ASSERT_EQ(context.quads.size(), 2u);
        const float expected[2][3] = {{c.x0, c.y0, c.pivot}, {c.x1, c.y1, c.pivot}};
        for (int i = 0; i < 2; ++i) {
            const RecordedQuad& quad = context.quads[i];
            EXPECT_NEAR(quad.x, expected[i][0], 1e-4) << i;
            EXPECT_NEAR(quad.y, expected[i][1], 1e-4) << i;
            EXPECT_EQ(quad.pivotX, expected[i][2]);
            EXPECT_EQ(quad.pivotY, expected[i][2]);
        }
        EXPECT_EQ(context.state().pivotX, 1);
        EXPECT_EQ(context.state().pivotY, 1);
    }
}

TEST(CompoSpriteSet, EveryPrefixOfASetReadsOrRaises) {
    expectEveryPrefixReadsOrRaises(setFile("body"), [](const std::vector<std::uint8_t>& prefix) {
        const Parts parts;
        lang::Ref<game::CompoSpriteSet>(new game::CompoSpriteSet(inMemory(prefix, "parts.dat"), parts));
    });
}
