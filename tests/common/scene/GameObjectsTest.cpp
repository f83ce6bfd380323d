// Game objects drawn by drawGameNative, checked in the pixels of a real frame.
#include "GlGameHarness.h"
#include "PngBytes.h"
#include "ResourceFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kYellow = 0xFFFFFF00;
constexpr std::uint32_t kCyan = 0xFF00FFFF;
constexpr std::uint32_t kMagenta = 0xFFFF00FF;

/// The sheet's picture: on the top row "quad" (8 x 8, quarters red, green / blue, white), "red"
/// and "blue"; below, "mask" (16 x 8, magenta on its left 12 columns, clear on the rest) and
/// "tiles" (4 x 4, yellow left half, cyan right half).
std::uint32_t sheetPixel(int x, int y) {
    if (y < 8) {
        if (x < 8)
            return y < 4 ? (x < 4 ? kRed : kGreen) : (x < 4 ? kBlue : kWhite);
        return x < 16 ? kRed : kBlue;
    }
    if (x < 16)
        return x < 12 ? kMagenta : 0u;
    return y < 12 && x < 20 ? (x < 18 ? kYellow : kCyan) : 0u;
}

class GameObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        writeFile("s.png", pngBytes(24, 16, sheetPixel));
        Fields sheet = {1, "s.png", 5};
        for (const Fields& sprite :
             {Fields{"quad", 0, 0, 8, 8, 4, 4}, Fields{"red", 8, 0, 8, 8, 4, 4}, Fields{"blue", 16, 0, 8, 8, 4, 4},
              Fields{"mask", 0, 8, 16, 8, 0, 0}, Fields{"tiles", 16, 8, 4, 4, 0, 0}})
            sheet = sheet + sprite;
        writeFile("s.dat", container("SPRT", sheet));
        harness.run("res.createSpriteSheet('s.dat', false, true)\n");
    }

    scenetest::GlGameHarness harness;
};

TEST_F(GameObjectsTest, TheObjectsPivotStandsAtItsWorldPositionTimesTwenty) {
    struct Pixel {
        int x, y;
        std::uint32_t colour;
    };
    const struct {
        const char* turn;
        std::vector<Pixel> pixels;
    } cases[] = {
        // Each quarter of the sprite around pixel (200, 100), and the background beside it.
        {"", {{198, 98, 0xFF0000}, {201, 98, 0x00FF00}, {198, 101, 0x0000FF}, {201, 101, 0xFFFFFF}, {195, 100, 0}}},
        // Half a turn about the pivot swaps opposite quarters.
        {"setRotation('o', math.pi)", {{198, 98, 0xFFFFFF}, {201, 101, 0xFF0000}, {201, 98, 0x0000FF}}},
    };
    for (const auto& c : cases) {
        const auto picture =
            harness.frame(std::string("createBox('o', 'quad', 10, 5, 1, 1, 1, 0.5, 0, true, false, 1)\n") + c.turn +
                          "\ndrawGameNative()  removeObject('o')");
        for (const Pixel& pixel : c.pixels)
            EXPECT_TRUE(colourNear(picture->rgb(pixel.x, pixel.y), pixel.colour, 2)) << c.turn << " at " << pixel.x;
    }
}

TEST_F(GameObjectsTest, EditorObjectsShowOnlyWhileEditingAndHiddenOnesNever) {
    const struct {
        const char* setup;
        std::uint32_t expected;
    } cases[] = {
        {"setColliderType('o', 7)", 0x000000},
        {"setColliderType('o', 7)  setEditing(true)", 0xFF0000},
        {"setVisible('o', false)  setEditing(true)", 0x000000},
        {"setColliderType('o', 6)", 0xFF0000},
    };
    for (const auto& c : cases) {
        const auto picture =
            harness.frame(std::string("createBox('o', 'red', 10, 5, 1, 1, 1, 0.5, 0, true, false, 1)\n") + c.setup +
                          "\ndrawGameNative()  removeObject('o')  setEditing(false)");
        EXPECT_TRUE(colourNear(picture->rgb(200, 100), c.expected)) << c.setup;
    }
}

TEST_F(GameObjectsTest, LayersByWholeZOrderThenCreationOrder) {
    // "low" (layer 0) is drawn first although made last; 1.9 and 1.2 share layer 1, where the
    // later "second" covers "first"; "top" (layer 2) covers everything although made first.
    const auto picture = harness.frame("createBox('top', 'red', 10.4, 5, 1, 1, 1, 0.5, 0, true, false, 2.0)\n"
                                       "createBox('first', 'red', 10, 5, 1, 1, 1, 0.5, 0, true, false, 1.9)\n"
                                       "createBox('second', 'blue', 10.2, 5, 1, 1, 1, 0.5, 0, true, false, 1.2)\n"
                                       "createBox('low', 'quad', 9.8, 5, 1, 1, 1, 0.5, 0, true, false, 0.5)\n"
                                       "drawGameNative()");
    const struct {
        int x;
        std::uint32_t expected;
        const char* what;
    } columns[] = {{193, 0x0000FF, "low alone"},
                   {197, 0xFF0000, "first over low"},
                   {201, 0x0000FF, "second over first"},
                   {205, 0xFF0000, "top over second"},
                   {210, 0xFF0000, "top alone"}};
    for (const auto& column : columns)
        EXPECT_TRUE(colourNear(picture->rgb(column.x, 101), column.expected)) << column.what;
}

TEST_F(GameObjectsTest, StaticTexturedObjectsShowTheTextureTiledThroughTheMask) {
    // Two static objects on one layer: the mask's top-left at (200, 100) and at (240, 100).
    harness.run("createBox('ground', 'mask', 10, 5, 1, 1, 0, 0.5, 0, true, false, 1)  setTexture('ground', 'tiles')\n"
                "createBox('rock', 'mask', 12, 5, 1, 1, 0, 0.5, 0, true, false, 1)  setTexture('rock', 'tiles')\n");
    harness.context.endFrame();
    const auto picture = harness.frame("drawGameNative()");
    harness.context.endFrame();
    const struct {
        int x;
        std::uint32_t expected;
    } columns[] = {{201, 0xFFFF00}, {203, 0x00FFFF}, {205, 0xFFFF00}, {209, 0xFFFF00}, {211, 0x00FFFF},
                   {214, 0x000000}, {241, 0xFFFF00}, {247, 0x00FFFF}, {253, 0x000000}};
    for (const auto& column : columns) {
        for (int y : {100, 103, 107})
            EXPECT_TRUE(colourNear(picture->rgb(column.x, y), column.expected, 2)) << column.x << ", " << y;
    }
    EXPECT_EQ(harness.context.frameStats().drawCalls, 1) << "both objects' tiles in one run";
}

} // namespace
