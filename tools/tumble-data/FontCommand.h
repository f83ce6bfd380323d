#pragma once

#include "Command.h"

#include <filesystem>
#include <string>

namespace datatool {

/// How `buildBitmapFont` bakes.
struct FontOptions {
    /// A UTF-8 file whose distinct characters (and the space) are baked; empty: printable ASCII
    /// (32 to 126) and 160 to 255.
    std::filesystem::path characters;
    /// Pixels the game adds between characters.
    int tracking = 0;
    /// Pixels between glyphs and from the texture's edges.
    int padding = 2;
};

/// Renders the characters of `fontFile` at `pixelSize` and writes a container with one bitmap
/// font chunk to `output` and the glyph texture beside it. Every glyph spans its advance width
/// (rounded up) and the font's full line, with its baseline at the ascender. Characters the font
/// lacks are left out (the game skips them when drawing). Returns the summary line. Raises
/// `lang::Exception` for an unreadable font, a characters file that is not UTF-8, or a character
/// above U+FFFF, which the 16-bit glyph record cannot hold.
std::string buildBitmapFont(const std::filesystem::path& fontFile, int pixelSize, const std::filesystem::path& output,
                            const FontOptions& options);

/// `tumble-data font FONTFILE SIZE OUT.dat [--chars FILE] [--tracking N] [--padding N]`.
extern const Command kFontCommand;

} // namespace datatool
