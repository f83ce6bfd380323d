#include "Canvas.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace art {

namespace {

float clamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }

std::uint8_t toByte(float value) { return static_cast<std::uint8_t>(std::lround(clamp01(value) * 255.0f)); }

} // namespace

Colour mix(const Colour& from, const Colour& to, float t) {
    t = clamp01(t);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Colour shade(const Colour& colour, float factor) {
    return {clamp01(colour.r * factor), clamp01(colour.g * factor), clamp01(colour.b * factor), colour.a};
}

Colour fade(const Colour& colour, float factor) { return {colour.r, colour.g, colour.b, colour.a * factor}; }

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, Colour{0, 0, 0, 0}) {}

void Canvas::fill(const Shape& shape, const Paint& paint) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const float px = x + 0.5f;
            const float py = y + 0.5f;
            const float distance = shape(px, py);
            const float coverage = clamp01(0.5f - distance);
            if (coverage <= 0)
                continue;
            const Colour source = paint(px, py, distance);
            const float alpha = clamp01(source.a) * coverage;
            Colour& target = m_pixels[static_cast<size_t>(y) * m_width + x];
            target.r = source.r * alpha + target.r * (1 - alpha);
            target.g = source.g * alpha + target.g * (1 - alpha);
            target.b = source.b * alpha + target.b * (1 - alpha);
            target.a = alpha + target.a * (1 - alpha);
        }
    }
}

Colour Canvas::pixel(int x, int y) const {
    const Colour& stored = m_pixels[static_cast<size_t>(y) * m_width + x];
    if (stored.a <= 0)
        return {0, 0, 0, 0};
    return {stored.r / stored.a, stored.g / stored.a, stored.b / stored.a, stored.a};
}

void Canvas::savePng(const std::string& file) const {
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, m_width, m_height, 32, SDL_PIXELFORMAT_RGBA32), SDL_FreeSurface);
    if (!surface)
        throw std::runtime_error("cannot make a surface for " + file + ": " + SDL_GetError());
    for (int y = 0; y < m_height; ++y) {
        auto* row = static_cast<std::uint8_t*>(surface->pixels) + static_cast<ptrdiff_t>(y) * surface->pitch;
        for (int x = 0; x < m_width; ++x) {
            const Colour colour = pixel(x, y);
            std::uint8_t* p = row + x * 4;
            p[0] = toByte(colour.r);
            p[1] = toByte(colour.g);
            p[2] = toByte(colour.b);
            p[3] = toByte(colour.a);
        }
    }
    if (IMG_SavePNG(surface.get(), file.c_str()) != 0)
        throw std::runtime_error("cannot write " + file + ": " + IMG_GetError());
}

} // namespace art
