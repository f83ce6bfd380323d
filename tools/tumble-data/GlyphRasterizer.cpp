#include "GlyphRasterizer.h"

#include "TextLines.h"

#include "lang/Exception.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <string>

namespace datatool {

namespace {

/// FreeType's 26.6 fixed-point pixels, rounded up to whole pixels.
int ceilPixels(FT_Pos value) { return static_cast<int>((value + 63) >> 6); }

/// What went wrong, in words for the errors a content maker meets; the library's number else.
std::string describe(FT_Error error) {
    switch (error) {
    case FT_Err_Cannot_Open_Resource:
        return "the file cannot be opened";
    case FT_Err_Unknown_File_Format:
        return "not a font file the font library reads";
    case FT_Err_Invalid_File_Format:
        return "the font file is damaged";
    default:
        return "font library error " + std::to_string(error);
    }
}

} // namespace

struct GlyphRasterizer::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Library() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

GlyphRasterizer::GlyphRasterizer(const std::filesystem::path& fontFile, int pixelSize)
    : m_library(std::make_unique<Library>()), m_path(fontFile) {
    if (FT_Init_FreeType(&m_library->library) != 0)
        throw lang::Exception(lang::Format("Cannot start the font library"));
    if (const FT_Error error = FT_New_Face(m_library->library, fontFile.string().c_str(), 0, &m_library->face))
        throw lang::Exception(lang::Format("Cannot read the font {0}: {1}", fontFile.string(), describe(error)));
    if (const FT_Error error = FT_Set_Pixel_Sizes(m_library->face, 0, static_cast<FT_UInt>(pixelSize)))
        throw lang::Exception(lang::Format("The font {0} has no size of {1} pixels: {2}", fontFile.string(),
                                           std::to_string(pixelSize), describe(error)));
    const FT_Size_Metrics& metrics = m_library->face->size->metrics;
    m_ascender = std::max(0, ceilPixels(metrics.ascender));
    m_descender = std::max(0, ceilPixels(-metrics.descender));
    m_lineHeight = ceilPixels(metrics.height);
}

GlyphRasterizer::~GlyphRasterizer() = default;

bool GlyphRasterizer::hasGlyph(std::uint32_t codePoint) const {
    return FT_Get_Char_Index(m_library->face, codePoint) != 0;
}

RgbaImage GlyphRasterizer::render(std::uint32_t codePoint) const {
    FT_Face face = m_library->face;
    if (const FT_Error error = FT_Load_Char(face, codePoint, FT_LOAD_RENDER))
        throw lang::Exception(lang::Format("Cannot render {0} of {1}: {2}", codePointName(codePoint),
                                           m_path.string(), describe(error)));
    const FT_GlyphSlot glyph = face->glyph;
    const FT_Bitmap& bitmap = glyph->bitmap;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        throw lang::Exception(
            lang::Format("{0} of {1} is a colour glyph; only grey and black-and-white glyphs are baked",
                         codePointName(codePoint), m_path.string()));
    RgbaImage picture(std::max(0, ceilPixels(glyph->advance.x)), m_ascender + m_descender);
    const int left = glyph->bitmap_left;
    const int top = m_ascender - glyph->bitmap_top;
    for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
        const int y = top + row;
        if (y < 0 || y >= picture.height())
            continue;
        const unsigned char* coverage = bitmap.buffer + row * bitmap.pitch;
        for (int column = 0; column < static_cast<int>(bitmap.width); ++column) {
            const int x = left + column;
            if (x < 0 || x >= picture.width())
                continue;
            std::uint8_t* pixel = picture.row(y) + x * 4;
            pixel[0] = pixel[1] = pixel[2] = 0xFF;
            pixel[3] = mono ? ((coverage[column >> 3] >> (7 - (column & 7))) & 1) * 0xFF : coverage[column];
        }
    }
    return picture;
}

} // namespace datatool
