#include "RgbaImage.h"

#include "lang/Exception.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <utility>

namespace datatool {

namespace {

/// Red, green, blue, alpha bytes in memory whatever the machine's byte order.
constexpr Uint32 kFormat = SDL_PIXELFORMAT_RGBA32;

} // namespace

RgbaImage::RgbaImage(int width, int height) : m_surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kFormat)) {
    if (!m_surface)
        throw lang::Exception(lang::Format("Cannot make a picture of {0} x {1}: {2}", std::to_string(width),
                                           std::to_string(height), SDL_GetError()));
    // Surfaces start zeroed (transparent black); the loop makes that independent of the library.
    for (int y = 0; y < height; ++y)
        std::memset(row(y), 0, static_cast<std::size_t>(width) * 4);
}

RgbaImage::RgbaImage(SDL_Surface* surface) : m_surface(surface) {}

RgbaImage RgbaImage::load(const std::filesystem::path& path) {
    SDL_Surface* loaded = IMG_Load(path.string().c_str());
    if (!loaded)
        throw lang::Exception(lang::Format("Cannot read the image {0}: {1}", path.string(), IMG_GetError()));
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, kFormat, 0);
    SDL_FreeSurface(loaded);
    if (!converted)
        throw lang::Exception(lang::Format("Cannot convert the image {0}: {1}", path.string(), SDL_GetError()));
    return RgbaImage(converted);
}

RgbaImage::~RgbaImage() { SDL_FreeSurface(m_surface); }

RgbaImage::RgbaImage(RgbaImage&& other) noexcept : m_surface(std::exchange(other.m_surface, nullptr)) {}

RgbaImage& RgbaImage::operator=(RgbaImage&& other) noexcept {
    std::swap(m_surface, other.m_surface);
    return *this;
}

int RgbaImage::width() const { return m_surface->w; }
int RgbaImage::height() const { return m_surface->h; }
int RgbaImage::pitch() const { return m_surface->pitch; }

std::uint8_t* RgbaImage::row(int y) { return static_cast<std::uint8_t*>(m_surface->pixels) + y * pitch(); }

const std::uint8_t* RgbaImage::row(int y) const {
    return static_cast<const std::uint8_t*>(m_surface->pixels) + y * pitch();
}

void RgbaImage::copyFrom(const RgbaImage& source, int x, int y) {
    if (source.width() == 0)
        return; // an empty surface may have no pixel memory at all
    for (int line = 0; line < source.height(); ++line)
        std::memcpy(row(y + line) + x * 4, source.row(line), static_cast<std::size_t>(source.width()) * 4);
}

void RgbaImage::savePng(const std::filesystem::path& path) const {
    if (IMG_SavePNG(m_surface, path.string().c_str()) != 0)
        throw lang::Exception(lang::Format("Cannot write the image {0}: {1}", path.string(), IMG_GetError()));
}

} // namespace datatool
