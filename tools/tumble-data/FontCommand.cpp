#include "FontCommand.h"

#include "GlyphRasterizer.h"
#include "OutputFiles.h"
#include "TextLines.h"
#include "TextureAtlas.h"

#include "game/Container.h"
#include "game/ContainerWriter.h"
#include "lang/Exception.h"
#include "lang/UTF.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

namespace datatool {

namespace fs = std::filesystem;

namespace {

constexpr std::int16_t kFontVersion = 1;
constexpr std::uint32_t kLargestCodePoint = 0xFFFF;
constexpr int kMaxTextureSize = 4096;

/// Control characters draw nothing; a characters file brings at least its line endings.
bool isControl(std::uint32_t codePoint) { return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0); }

std::set<std::uint32_t> charactersToBake(const fs::path& file) {
    std::set<std::uint32_t> characters;
    if (file.empty()) {
        for (std::uint32_t codePoint = 0x20; codePoint <= 0xFF; ++codePoint)
            if (!isControl(codePoint))
                characters.insert(codePoint);
        return characters;
    }
    const std::vector<std::uint8_t> bytes = readFile(file);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!isValidUtf8(text))
        throw lang::Exception(lang::Format("{0} is not valid UTF-8", file.string()));
    characters.insert(' ');
    for (const std::uint32_t codePoint : lang::utf8ToCodePoints(text)) {
        if (codePoint > kLargestCodePoint)
            throw lang::Exception(lang::Format("{0} holds {1}; a font holds characters up to U+FFFF only",
                                               file.string(), codePointName(codePoint)));
        // A byte-order mark is no character of the text.
        if (!isControl(codePoint) && codePoint != 0xFEFF)
            characters.insert(codePoint);
    }
    return characters;
}

} // namespace

std::string buildBitmapFont(const fs::path& fontFile, int pixelSize, const fs::path& output,
                            const FontOptions& options) {
    const std::set<std::uint32_t> characters = charactersToBake(options.characters);
    const GlyphRasterizer rasterizer(fontFile, pixelSize);
    std::vector<std::uint32_t> baked;
    std::vector<RgbaImage> glyphs;
    for (const std::uint32_t codePoint : characters) {
        if (!rasterizer.hasGlyph(codePoint))
            continue;
        baked.push_back(codePoint);
        glyphs.push_back(rasterizer.render(codePoint));
    }
    if (baked.empty())
        throw lang::Exception(lang::Format("{0} has none of the characters asked for", fontFile.string()));
    const TextureAtlas atlas =
        packPictures(glyphs, options.padding, kMaxTextureSize, "glyphs of " + fontFile.filename().string());

    game::ContainerWriter writer;
    writer.beginChunk(game::kFontChunk);
    writer.writeShort(kFontVersion);
    writer.writeString(textureNameFor(output));
    const int leading = rasterizer.lineHeight() - (rasterizer.ascender() + rasterizer.descender());
    writer.writeShort(static_cast<std::int16_t>(std::max(0, leading)));
    writer.writeShort(static_cast<std::int16_t>(options.tracking));
    writer.writeShort(static_cast<std::int16_t>(baked.size()));
    for (std::size_t index = 0; index < baked.size(); ++index) {
        writer.writeShort(static_cast<std::int16_t>(baked[index]));
        writer.writeShort(static_cast<std::int16_t>(atlas.layout.positions[index].x));
        writer.writeShort(static_cast<std::int16_t>(atlas.layout.positions[index].y));
        writer.writeShort(static_cast<std::int16_t>(glyphs[index].width()));
        writer.writeShort(static_cast<std::int16_t>(glyphs[index].height()));
        writer.writeShort(static_cast<std::int16_t>(rasterizer.ascender()));
    }
    writer.endChunk();
    writeWithTexture(output, writer.finish(), atlas.texture);
    const std::size_t missing = characters.size() - baked.size();
    return lang::Format("{0}: {1} glyphs in {2} x {3}{4}", output.filename().string(), std::to_string(baked.size()),
                        std::to_string(atlas.layout.width), std::to_string(atlas.layout.height),
                        missing ? " (" + std::to_string(missing) + " characters not in the font)" : std::string())
        .toString();
}

const Command kFontCommand{
    "font",
    "FONTFILE SIZE OUT.dat [--chars FILE] [--tracking N] [--padding N]",
    "Bake a font file into a bitmap font.",
    "Renders the characters at SIZE pixels per em, white with the coverage as alpha, each glyph\n"
    "as wide as its advance and as tall as the font's line, and packs them into one texture.\n"
    "Writes OUT.dat and its texture beside it (OUT.png). Characters the font lacks are left out.\n"
    "\n"
    "  --chars FILE   bake every distinct character of this UTF-8 text, plus the space\n"
    "                 (default: printable ASCII 32-126 and 160-255); at most U+FFFF\n"
    "  --tracking N   pixels the game adds between characters (default 0)\n"
    "  --padding N    pixels between glyphs and from the edges (default 2)\n",
    3,
    3,
    {"--chars", "--tracking", "--padding"},
    [](const Arguments& arguments) {
        FontOptions options;
        options.characters = arguments.text("--chars", "");
        options.tracking = arguments.integer("--tracking", options.tracking, -1000, 1000);
        options.padding = arguments.integer("--padding", options.padding, 0, 1024);
        const int size = arguments.integerAt(1, "SIZE", 1, 1000);
        std::printf("%s\n", buildBitmapFont(arguments.positional(0), size, arguments.positional(2), options).c_str());
    },
};

} // namespace datatool
