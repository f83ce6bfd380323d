// Loading a 2048 x 2048 sprite sheet of 1000 sprites through the OpenGL 2 module: the whole load
// (container, sprite records, PNG decode and texture upload) against reading the container and
// records alone, measured alternately in one run. Uses the X server when DISPLAY is set (Xvfb
// with llvmpipe), SDL's offscreen driver otherwise.
#include "GlTestWindow.h"
#include "ResourceFiles.h"
#include "WorkingFolder.h"
#include "game/ContainerWriter.h"
#include "game/SpriteSheet.h"

#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 2048;
constexpr int kTile = 64;
constexpr int kSprites = 1000;

/// A 2048 x 2048 atlas of 1000 shaded 64 x 64 tiles, and the container that names them.
void writeSheet() {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kSize, kSize, 32, SDL_PIXELFORMAT_ARGB8888);
    auto* pixels = static_cast<std::uint32_t*>(surface->pixels);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int tile = (y / kTile) * (kSize / kTile) + x / kTile;
            const auto shade = static_cast<std::uint32_t>((x % kTile) * 4 + (y % kTile) * 2 + tile) & 0xFFu;
            pixels[y * surface->pitch / 4 + x] = 0xFF000000u | shade << 16 | (255 - shade) << 8 | (tile & 0xFFu);
        }
    }
    const int saved = IMG_SavePNG(surface, "sheet.png");
    SDL_FreeSurface(surface);
    if (saved != 0)
        throw std::runtime_error(IMG_GetError());

    game::ContainerWriter writer;
    writer.beginChunk(game::kSpriteChunk);
    put(writer, {1, "sheet.png", kSprites});
    for (int i = 0; i < kSprites; ++i) {
        writer.writeString("sprite" + std::to_string(i));
        put(writer, {i % (kSize / kTile) * kTile, i / (kSize / kTile) * kTile, kTile, kTile, kTile / 2, kTile / 2});
    }
    writer.endChunk();
    writeFile("sheet.dat", writer.finish());
}

struct Setup {
    Setup() : window(std::getenv("DISPLAY") ? "x11" : "offscreen", 320, 240) { writeSheet(); }
    testsupport::WorkingFolder folder; ///< the data folder the sheet is read from
    GlTestWindow window;
};

Setup& setup() {
    static Setup instance;
    return instance;
}

void loadSheet(benchmark::State& state, bool withTexture) {
    gr::Context& context = setup().window.context();
    for (auto _ : state) {
        lang::Ref<game::SpriteSheet> sheet = new game::SpriteSheet(context, "sheet.dat", withTexture);
        benchmark::DoNotOptimize(sheet->sprites().size());
    }
    state.counters["sprites"] = kSprites;
}

void BM_SheetWithTexture(benchmark::State& state) { loadSheet(state, true); }
void BM_SheetRecordsOnly(benchmark::State& state) { loadSheet(state, false); }

} // namespace

BENCHMARK(BM_SheetWithTexture)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_SheetRecordsOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
