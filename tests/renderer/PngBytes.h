#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

// The bytes of a PNG of width × height pixels, each given as straight-alpha 0xAARRGGBB.
inline std::vector<std::uint8_t> pngBytes(int width, int height, const std::function<std::uint32_t(int, int)>& pixel) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            static_cast<std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x] = pixel(x, y);
    }
    std::vector<std::uint8_t> buffer(65536);
    SDL_RWops* out = SDL_RWFromMem(buffer.data(), static_cast<int>(buffer.size()));
    const int result = IMG_SavePNG_RW(surface, out, 0);
    buffer.resize(static_cast<std::size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(surface);
    if (result != 0)
        throw std::runtime_error(IMG_GetError());
    return buffer;
}
