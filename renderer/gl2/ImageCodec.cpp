#include "renderer/gl2/ImageCodec.h"

#include "renderer/GraphicsException.h"

#include <SDL_image.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace gr::gl2 {
namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

std::uint8_t multiply(std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

} // namespace

Pixels decodeImage(const std::vector<std::uint8_t>& file, const std::string& path) {
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    SurfacePtr decoded(source ? IMG_Load_RW(source, 1) : nullptr);
    SurfacePtr surface(decoded ? SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_RGBA32, 0) : nullptr);
    if (!surface)
        throw GraphicsException(lang::Format("Failed to load image {0}: {1}", path, IMG_GetError()));

    Pixels pixels{surface->w, surface->h, {}};
    const std::size_t rowBytes = static_cast<std::size_t>(pixels.width) * 4;
    pixels.rgba.resize(rowBytes * pixels.height);
    const auto* rows = static_cast<const std::uint8_t*>(surface->pixels);
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* in = rows + static_cast<std::size_t>(y) * surface->pitch;
        std::uint8_t* out = pixels.rgba.data() + y * rowBytes;
        for (std::size_t i = 0; i < rowBytes; i += 4) {
            const std::uint8_t alpha = in[i + 3];
            out[i] = multiply(in[i], alpha);
            out[i + 1] = multiply(in[i + 1], alpha);
            out[i + 2] = multiply(in[i + 2], alpha);
            out[i + 3] = alpha;
        }
    }
    return pixels;
}

void writeOpaquePng(const Pixels& pixels, const std::string& path) {
    std::vector<std::uint8_t> opaque = pixels.rgba;
    for (std::size_t i = 3; i < opaque.size(); i += 4)
        opaque[i] = 255;
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(opaque.data(), pixels.width, pixels.height, 32,
                                                          pixels.width * 4, SDL_PIXELFORMAT_RGBA32));
    if (!surface)
        throw GraphicsException(lang::Format("Failed to save screen to {0}: {1}", path, SDL_GetError()));
    // Opened here, so that a file that cannot be made is reported with the system's reason.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw GraphicsException(lang::Format("Failed to save screen to {0}: {1}", path, std::strerror(errno)));
    if (IMG_SavePNG_RW(surface.get(), SDL_RWFromFP(file, SDL_TRUE), 1) != 0)
        throw GraphicsException(lang::Format("Failed to save screen to {0}: {1}", path, IMG_GetError()));
}

} // namespace gr::gl2
