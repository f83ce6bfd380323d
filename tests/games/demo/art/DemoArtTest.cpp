// The picture generator of the demo game: edges cover what their shapes cover, every sprite the
// game draws exists at its size, damaged blocks show their damage within their outline, the tiles
// repeat without a seam, and PNGs keep colours under partial alpha.
#include "Canvas.h"
#include "Pictures.h"
#include "Shapes.h"

#include <SDL.h>
#include <SDL_image.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

float alphaSum(const art::Canvas& canvas) {
    float sum = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            sum += canvas.pixel(x, y).a;
    return sum;
}

// The anti-aliased coverage of a shape adds up to its area: a wrong sign, a distance off in scale
// or a coverage that is not centred on the edge all show here.
TEST(DemoArtTest, EveryShapeCoversItsArea) {
    struct Case {
        const char* name;
        art::Shape shape;
        float area;
    };
    const float pi = 3.14159265f;
    const Case cases[] = {
        {"circle", art::circle(32, 32, 10.3f), pi * 10.3f * 10.3f},
        {"ellipse", art::ellipse(32, 32, 20, 9.5f), pi * 20 * 9.5f},
        {"rectangle", art::roundedRect(4.5f, 10, 50, 30.25f, 0), 45.5f * 20.25f},
        {"rounded rectangle", art::roundedRect(4, 4, 44, 24, 6), 40 * 20 - 4 * 36 + pi * 36},
        {"triangle, clockwise", art::polygon({{5, 5}, {55, 5}, {5, 45}}), 50 * 40 / 2.0f},
        {"triangle, anticlockwise", art::polygon({{5, 5}, {5, 45}, {55, 5}}), 50 * 40 / 2.0f},
        {"stroke", art::taperedStroke({10, 20}, {50, 20}, 5, 5), 40 * 10 + pi * 25},
        {"overlapping circles", art::unite(art::circle(24, 32, 10), art::circle(40, 32, 10)),
         2 * pi * 100 - 2 * (100 * std::acos(0.8f) - 8 * 6)},
        {"intersection", art::intersect(art::roundedRect(0, 0, 64, 32, 0), art::circle(32, 32, 12)), pi * 72},
        {"grown rectangle", art::grow(art::roundedRect(20, 20, 40, 40, 0), 2), 24 * 24 - 4 * 4 + pi * 4},
        {"ring", art::outline(art::circle(32, 32, 14), 3), pi * (17 * 17 - 11 * 11)},
        {"rectangle less a disc", art::subtract(art::roundedRect(8, 8, 56, 56, 0), art::circle(32, 32, 10)),
         48 * 48 - pi * 100},
        {"turned rectangle", art::turnedRect(32, 32, 40, 12, 0.6f), 40 * 12},
    };
    for (const Case& c : cases) {
        art::Canvas canvas(64, 64);
        canvas.fill(c.shape, [](float, float, float) { return art::Colour{1, 1, 1, 1}; });
        EXPECT_NEAR(alphaSum(canvas), c.area, c.area * 0.005f + 0.5f) << c.name;
    }
}

// The damage is placed by where rays from a block's middle leave its outline: the point found lies
// on the edge, whatever the shape and direction.
TEST(DemoArtTest, EdgePointsLieOnTheEdge) {
    struct Case {
        const char* name;
        art::Shape shape;
        float cx, cy;
    };
    const Case cases[] = {
        {"circle", art::circle(20, 20, 15), 20, 20},
        {"long rounded slab", art::roundedRect(0, 0, 160, 12, 3), 80, 6},
        {"ellipse off its middle", art::ellipse(30, 30, 25, 10), 36, 32},
        {"chipped square", art::subtract(art::roundedRect(0, 0, 30, 30, 3), art::circle(30, 0, 8)), 15, 15},
    };
    for (const Case& c : cases)
        for (int i = 0; i < 16; ++i) {
            const auto [x, y] = art::edgePoint(c.shape, c.cx, c.cy, i * 0.3927f);
            EXPECT_NEAR(c.shape(x, y), 0, 0.1f) << c.name << " at angle step " << i;
        }
}

const art::Picture& find(const std::vector<art::Picture>& pictures, const std::string& name) {
    const auto found =
        std::find_if(pictures.begin(), pictures.end(), [&](const art::Picture& p) { return p.name == name; });
    if (found == pictures.end())
        throw std::runtime_error("no picture " + name);
    return *found;
}

// The sprites the game's scripts draw by name, with the sizes the menus and the physics are laid
// out for (0 where any size will do).
TEST(DemoArtTest, EverySpriteTheGameDrawsExistsAtItsSize) {
    struct Case {
        std::string name;
        int width, height;
    };
    std::vector<Case> cases = {{"button", 240, 56},
                               {"button_pressed", 240, 56},
                               {"button_small", 56, 56},
                               {"star_full", 28, 28},
                               {"star_empty", 28, 28},
                               {"star_big_full", 64, 64},
                               {"star_big_empty", 64, 64},
                               {"panel", 400, 320},
                               {"slider_track", 240, 12},
                               {"slider_knob", 28, 28},
                               {"check_on", 32, 32},
                               {"check_off", 32, 32},
                               {"logo", 480, 140},
                               {"level_tile", 80, 80},
                               {"level_tile_locked", 80, 80},
                               {"rock_pillar", 120, 20},
                               {"rock_block", 60, 60},
                               {"island", 140, 100},
                               {"ground", 0, 100},
                               {"stone_ball", 30, 30},
                               {"stone_ball_cracked", 30, 30},
                               {"stone_ball_broken", 30, 30},
                               {"target", 0, 0},
                               {"target_hurt", 0, 0},
                               {"target_big", 0, 0},
                               {"target_big_hurt", 0, 0},
                               {"portal_blue", 0, 0},
                               {"portal_orange", 0, 0},
                               {"water", 0, 0},
                               {"sky_dunes", 16, 256},
                               {"sky", 16, 256}};
    for (const char* name : {"bird_red",   "bird_blue", "bird_blue_small", "bird_black", "sun",          "cloud",
                             "hills_far",  "hill",      "grass",           "sun_dunes",  "cloud_dunes",  "dunes_far",
                             "dunes_near", "sand",      "cactus",          "icon_pause", "icon_restart", "icon_menu",
                             "icon_next",  "icon_back", "icon_settings",   "lock"})
        cases.push_back({name, 0, 0});
    const struct {
        const char* name;
        int width, height;
    } slabs[] = {{"post", 20, 60}, {"beam", 100, 20}, {"block", 30, 30}, {"plank", 160, 12}};
    for (const char* material : {"wood", "glass", "stone"})
        for (const auto& slab : slabs)
            for (const char* state : {"", "_cracked", "_broken"})
                cases.push_back({std::string(material) + "_" + slab.name + state, slab.width, slab.height});

    const std::vector<art::Picture> pictures = art::allPictures();
    std::set<std::string> names;
    for (const art::Picture& picture : pictures) {
        EXPECT_TRUE(names.insert(picture.name).second) << picture.name << " is drawn twice";
        EXPECT_TRUE(picture.pivotX >= 0 && picture.pivotX <= picture.canvas.width() && picture.pivotY >= 0 &&
                    picture.pivotY <= picture.canvas.height())
            << picture.name << "'s pivot lies outside it";
    }
    for (const Case& c : cases) {
        if (!names.count(c.name)) {
            ADD_FAILURE() << c.name << " is missing";
            continue;
        }
        const art::Canvas& canvas = find(pictures, c.name).canvas;
        if (c.width > 0)
            EXPECT_EQ(canvas.width(), c.width) << c.name;
        if (c.height > 0)
            EXPECT_EQ(canvas.height(), c.height) << c.name;
        EXPECT_GT(alphaSum(canvas), 0.1f * canvas.width() * canvas.height()) << c.name << " is nearly empty";
    }
}

// A damaged block shows its damage and stays within its outline: cracks change pixels but add no
// cover outside the block, and a broken block has lost some of its cover to chipped corners.
TEST(DemoArtTest, DamagedBlocksCrackAndChipWithinTheirOutline) {
    const std::vector<art::Picture> pictures = art::blockPictures();
    for (const char* block :
         {"wood_post", "wood_beam", "wood_block", "wood_plank", "glass_post", "glass_beam", "glass_block",
          "glass_plank", "stone_post", "stone_beam", "stone_block", "stone_plank", "stone_ball"}) {
        const art::Canvas& intact = find(pictures, block).canvas;
        const art::Canvas& cracked = find(pictures, std::string(block) + "_cracked").canvas;
        const art::Canvas& broken = find(pictures, std::string(block) + "_broken").canvas;
        int covered = 0, changed = 0, outside = 0, chippedOff = 0;
        for (int y = 0; y < intact.height(); ++y)
            for (int x = 0; x < intact.width(); ++x) {
                const art::Colour a = intact.pixel(x, y), b = cracked.pixel(x, y);
                covered += a.a > 0.3f;
                changed += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 0.3f;
                outside += a.a < 0.02f && std::max(b.a, broken.pixel(x, y).a) > 0.02f;
                chippedOff += a.a > 0.3f && broken.pixel(x, y).a < 0.05f;
            }
        // Two cracks a few pixels wide over at least part of the short side.
        EXPECT_GE(changed, std::min(intact.width(), intact.height())) << block << ": no cracks to see";
        EXPECT_EQ(outside, 0) << block << ": damage drawn outside the block";
        EXPECT_GT(chippedOff, 10) << block << ": the broken state has no chips";
        EXPECT_LT(chippedOff, covered / 4) << block << ": the broken state lost too much";
    }
}

// The layers drawn as copies side by side: the change across the seam is no larger than half again
// the change between neighbouring columns, beside the seam (where a ridge may be steep) or on
// average. A ridge or a noise that did not repeat would jump there.
TEST(DemoArtTest, TheTilesRepeatWithoutASeam) {
    const std::vector<art::Picture> pictures = art::allPictures();
    for (const char* name : {"ground", "water", "hills_far", "grass", "dunes_far", "dunes_near", "sand"}) {
        const art::Canvas& canvas = find(pictures, name).canvas;
        const int width = canvas.width();
        const auto difference = [&](int x0, int x1) {
            float sum = 0;
            for (int y = 0; y < canvas.height(); ++y) {
                const art::Colour a = canvas.pixel(x0, y), b = canvas.pixel(x1, y);
                sum += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) + std::abs(a.a - b.a);
            }
            return sum;
        };
        float inside = 0;
        for (int x = 0; x + 1 < width; ++x)
            inside += difference(x, x + 1);
        const float neighbours = std::max({inside / (width - 1), difference(width - 2, width - 1), difference(0, 1)});
        EXPECT_LE(difference(width - 1, 0), 1.5f * neighbours) << name;
    }
}

// PNGs hold straight alpha: a half-covered pixel keeps its colour instead of darkening.
TEST(DemoArtTest, SavedPicturesKeepTheirColoursUnderPartialAlpha) {
    const art::Colour colours[] = {{1, 1, 1, 0.5f}, {0.2f, 0.4f, 0.6f, 0.25f}, {1, 0, 0, 1}, {0, 0.8f, 0.1f, 0.05f}};
    const std::string file = ::testing::TempDir() + "art-" + std::to_string(getpid()) + ".png";
    for (const art::Colour& colour : colours) {
        art::Canvas canvas(4, 3);
        canvas.fill(art::roundedRect(-2, -2, 6, 5, 0), [&](float, float, float) { return colour; });
        canvas.savePng(file);
        SDL_Surface* loaded = IMG_Load(file.c_str());
        ASSERT_NE(loaded, nullptr) << IMG_GetError();
        SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(loaded);
        ASSERT_NE(rgba, nullptr);
        EXPECT_EQ(rgba->w, 4);
        EXPECT_EQ(rgba->h, 3);
        const auto* p = static_cast<const std::uint8_t*>(rgba->pixels) + rgba->pitch * 2 + 3 * 4;
        const float expected[] = {colour.r, colour.g, colour.b, colour.a};
        for (int channel = 0; channel < 4; ++channel)
            EXPECT_NEAR(p[channel], expected[channel] * 255, 1.0f) << "channel " << channel << " of alpha " << colour.a;
        SDL_FreeSurface(rgba);
    }
    std::remove(file.c_str());
}

} // namespace
