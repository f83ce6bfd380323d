// The picture generator of the demo game: edges cover what their shapes cover, the ground tile
// repeats without a seam, and PNGs keep colours under partial alpha.
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
#include <string>

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
    };
    for (const Case& c : cases) {
        art::Canvas canvas(64, 64);
        canvas.fill(c.shape, [](float, float, float) { return art::Colour{1, 1, 1, 1}; });
        EXPECT_NEAR(alphaSum(canvas), c.area, c.area * 0.005f + 0.5f) << c.name;
    }
}

// The ground and the water surface are drawn as copies side by side: across the seam each tile
// changes no more than between two neighbouring columns inside it on average.
TEST(DemoArtTest, TheTilesRepeatWithoutASeam) {
    std::vector<art::Picture> pictures = art::blockPictures();
    for (art::Picture& picture : art::waterPictures())
        pictures.push_back(std::move(picture));
    for (const char* name : {"ground", "water"}) {
        const auto tile = std::find_if(pictures.begin(), pictures.end(), [&](const art::Picture& p) { return p.name == name; });
        ASSERT_NE(tile, pictures.end()) << name;
        const art::Canvas& canvas = tile->canvas;
        const auto difference = [&](int x0, int x1, int y) {
            const art::Colour a = canvas.pixel(x0, y), b = canvas.pixel(x1, y);
            return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) + std::abs(a.a - b.a);
        };
        float seam = 0, inside = 0;
        for (int y = 0; y < canvas.height(); ++y) {
            seam += difference(canvas.width() - 1, 0, y);
            for (int x = 0; x + 1 < canvas.width(); ++x)
                inside += difference(x, x + 1, y);
        }
        // With noise that did not repeat, the seam would change about twice as much as the mean.
        EXPECT_LE(seam, inside / (canvas.width() - 1)) << name;
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
