#pragma once

#include <cstdint>
#include <filesystem>

struct SDL_Surface;

namespace datatool {

/// A picture of 32-bit pixels, bytes red, green, blue, alpha in memory order, rows `pitch()`
/// bytes apart. Reads and writes PNG files; owns its pixels.
class RgbaImage {
public:
    /// A transparent black picture of `width` x `height` pixels (each at least 0).
    RgbaImage(int width, int height);
    /// Reads an image file (PNG and the other formats the image library knows) and converts its
    /// pixels; raises `lang::Exception` naming the file when it cannot.
    static RgbaImage load(const std::filesystem::path& path);
    ~RgbaImage();

    RgbaImage(RgbaImage&& other) noexcept;
    RgbaImage& operator=(RgbaImage&& other) noexcept;
    RgbaImage(const RgbaImage&) = delete;
    RgbaImage& operator=(const RgbaImage&) = delete;

    int width() const;
    int height() const;
    /// Bytes from one row to the next.
    int pitch() const;
    /// The first byte of row `y`.
    std::uint8_t* row(int y);
    const std::uint8_t* row(int y) const;

    /// Copies every pixel of `source` (alpha included, no blending) with its top-left corner at
    /// (x, y); the caller keeps the copy inside this picture.
    void copyFrom(const RgbaImage& source, int x, int y);
    /// Writes the picture as a PNG file to `path`; raises `lang::Exception` naming it on failure.
    void savePng(const std::filesystem::path& path) const;

private:
    explicit RgbaImage(SDL_Surface* surface);

    SDL_Surface* m_surface = nullptr;
};

} // namespace datatool
