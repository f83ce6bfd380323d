#pragma once

#include "RgbaImage.h"

#include <cstdint>
#include <filesystem>
#include <memory>

namespace datatool {

/// Renders the characters of one font file at one pixel size into glyph pictures that all span
/// the font's full line, so that pictures laid side by side set text as the font does.
class GlyphRasterizer {
public:
    /// Opens the first face of `fontFile` at `pixelSize` (pixels per em); raises
    /// `lang::Exception` naming the file when it cannot be read as a font.
    GlyphRasterizer(const std::filesystem::path& fontFile, int pixelSize);
    ~GlyphRasterizer();

    GlyphRasterizer(const GlyphRasterizer&) = delete;
    GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

    /// Pixels from the top of the line to the baseline.
    int ascender() const { return m_ascender; }
    /// Pixels from the baseline to the bottom of the line.
    int descender() const { return m_descender; }
    /// Pixels from one baseline to the next, as the font advises.
    int lineHeight() const { return m_lineHeight; }

    /// True when the font has a glyph for `codePoint`.
    bool hasGlyph(std::uint32_t codePoint) const;
    /// The glyph of `codePoint`: as wide as its advance (rounded up) and as tall as the line, the
    /// baseline `ascender()` rows from the top; white pixels with the coverage as alpha. Ink
    /// outside that box is cut off. Raises `lang::Exception` when the glyph cannot be rendered.
    RgbaImage render(std::uint32_t codePoint) const;

private:
    struct Library;

    std::unique_ptr<Library> m_library;
    std::filesystem::path m_path;
    int m_ascender = 0;
    int m_descender = 0;
    int m_lineHeight = 0;
};

} // namespace datatool
