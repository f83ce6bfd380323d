#include "RecordingContext.h"
#include "ResourceFiles.h"
#include "game/CompoSpriteSet.h"
#include "game/SpriteProvider.h"
#include "game/SpriteSheet.h"

#include <cmath>
#include <numbers>

namespace {

using V = game::VerticalAnchor;
using H = game::HorizontalAnchor;

// "body": 40 x 50, pivot (10, 20); "dot": 10 x 10, pivot (5, 5).
class Parts : public game::SpriteProvider {
public:
    Parts() {
        m_sheet->addSprite("body", 0, 0, 40, 50, 10, 20);
        m_sheet->addSprite("dot", 40, 0, 10, 10, 5, 5);
    }
    game::Sprite* findSprite(const std::string& name) const override { return m_sheet->findSprite(name).get(); }

private:
    lang::Ref<game::SpriteSheet> m_sheet = new game::SpriteSheet(new RecordingImage(100, 100, "parts"));
};

struct PartAt {
    const char* sprite;
    float x, y;
};

lang::Ref<game::CompoSprite> compose(const Parts& parts, const std::vector<PartAt>& placed) {
    lang::Ref<game::CompoSprite> composite = new game::CompoSprite();
    for (const PartAt& part : placed)
        composite->addPart(part.sprite, part.x, part.y, *parts.findSprite(part.sprite));
    return composite;
}

// Another chunk, a version-2 chunk whose first composite has two extras, a version-3 chunk and a
// version-1 chunk whose one part is `lastSprite`.
Bytes setFile(const char* lastSprite) {
    game::ContainerWriter writer;
    chunk(writer, "JUNK", {});
    chunk(writer, "COMP",
          {2, 2, "walker", 2, "dot", -5, 0, "dot", 5, 0, 2, "hand", 1, 2, "foot", 3, 4, "runner", 1, "body", 0, 0, 0});
    chunk(writer, "COMP", {3, 1, "ghost", 1, "body", 0, 0});
    chunk(writer, "COMP", {1, 1, "statue", 1, lastSprite, 0, 0});
    return writer.finish();
}

// The composites with their parts, or the message the reading raised.
std::string readSet(const Bytes& bytes) {
    const Parts parts;
    io::ByteArrayInputStream stream(bytes, "parts.dat");
    try {
        const lang::Ref<game::CompoSpriteSet> set = new game::CompoSpriteSet(stream, parts);
        std::string summary;
        for (const auto& [name, composite] : set->composites()) {
            summary += name + ":";
            for (const auto& part : composite->parts())
                summary +=
                    " " + part.spriteName + "@" + std::to_string(int(part.x)) + "," + std::to_string(int(part.y));
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
        std::vector<PartAt> placed;
        std::vector<int> widthHeightPivot;
    } cases[] = {
        {{{"body", 0, 0}}, {40, 50, 10, 20}},
        {{{"dot", -5, 0}, {"dot", 5, 0}}, {20, 10, 10, 5}},
        {{{"dot", -2.7f, 1.9f}}, {10, 10, 7, 4}},
        {{{"body", 0, 0}, {"dot", 30, 40}}, {45, 65, 10, 20}},
        {{}, {0, 0, 0, 0}}, // no parts: an empty box at the origin
    };
    for (const auto& c : cases) {
        const lang::Ref<game::CompoSprite> made = compose(parts, c.placed);
        EXPECT_EQ((std::vector<int>{made->width(), made->height(), made->pivotX(), made->pivotY()}),
                  c.widthHeightPivot);
    }
}

TEST(CompoSpriteSet, ReadsVersionsOneAndTwoOnlyAndRefusesUnknownSpritesAndOtherFiles) {
    EXPECT_EQ(readSet(setFile("body")), "runner: body@0,0;statue: body@0,0;walker: dot@-5,0 dot@5,0;");
    EXPECT_EQ(readSet(setFile("nosuch")), "Sprite \"nosuch\" not loaded while loading parts.dat");
    EXPECT_EQ(readSet(bare({1, 1, "statue", 0})), "Malformed QPF2 file: parts.dat");
}

TEST(CompoSprite, DrawingPutsTheChosenPointOnXYAndTurnsPartsAboutTheirPivots) {
    const Parts parts;
    const lang::Ref<game::CompoSprite> walker = compose(parts, {{"dot", -5, 0}, {"dot", 5, 0}});
    const struct {
        float angle;
        V vertical;
        H horizontal;
        std::vector<float> cornersAndPivot; // each quad's x, y and the rotation origin it had
    } cases[] = {
        {0, V::VPivot, H::HPivot, {90, 95, 1, 100, 95, 1}},
        {0, V::Top, H::Left, {100, 100, 1, 110, 100, 1}},
        {0, V::Bottom, H::Right, {80, 90, 1, 90, 90, 1}},
        {std::numbers::pi_v<float> / 2, V::VPivot, H::HPivot, {95, 90, 5, 95, 100, 5}},
    };
    for (const auto& c : cases) {
        RecordingContext context;
        context.state().setAngle(c.angle);
        context.state().pivotX = context.state().pivotY = 1;
        walker->draw(context, 100, 100, {c.vertical, c.horizontal});
        std::vector<float> drawn;
        for (const RecordedQuad& quad : context.quads) {
            drawn.insert(drawn.end(), {std::round(quad.x), std::round(quad.y), quad.pivotX});
            EXPECT_EQ(quad.pivotY, quad.pivotX);
        }
        EXPECT_EQ(drawn, c.cornersAndPivot) << c.angle << " " << int(c.vertical);
        EXPECT_EQ(context.state().pivotX + context.state().pivotY, 2); // restored
    }
}

TEST(CompoSpriteSet, EveryPrefixOfASetReadsOrRaises) {
    expectEveryPrefixReadsOrRaises(setFile("body"), [](const Bytes& prefix) {
        const Parts parts;
        lang::Ref<game::CompoSpriteSet>(new game::CompoSpriteSet(inMemory(prefix, "parts.dat"), parts));
    });
}
