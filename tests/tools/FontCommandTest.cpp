#include "FontCommand.h"
#include "ToolTestFolder.h"

#include <SDL.h>
#include <SDL_image.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kPixelSize = 20;

struct Glyph {
    int x, y, width, height, baseline;
};

struct Font {
    int leading = 0;
    int tracking = 0;
    std::map<std::uint32_t, Glyph> glyphs;
};

/// The line metrics and advances of the font file as the font library gives them, whole pixels
/// rounded up: what the baked rectangles must match.
class Reference {
public:
    Reference() {
        FT_Init_FreeType(&m_library);
        FT_New_Face(m_library, kFontFile, 0, &m_face);
        FT_Set_Pixel_Sizes(m_face, 0, kPixelSize);
    }
    ~Reference() {
        FT_Done_Face(m_face);
        FT_Done_FreeType(m_library);
    }
    int ascender() const { return pixels(m_face->size->metrics.ascender); }
    int line() const { return ascender() + pixels(-m_face->size->metrics.descender); }
    int advance(std::uint32_t codePoint) const {
        FT_Load_Char(m_face, codePoint, FT_LOAD_DEFAULT);
        return pixels(m_face->glyph->advance.x);
    }

private:
    static int pixels(FT_Pos value) { return static_cast<int>((value + 63) / 64); }

    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
};

class FontCommand : public ToolTestFolder {
protected:
    static Font readFont(const fs::path& path) {
        const game::ContainerFile file = openContainer(path);
        game::ChunkReader reader = file.read(file.chunks().at(0));
        EXPECT_EQ(file.chunks()[0].id, game::kFontChunk);
        io::DataInput& data = reader.data();
        EXPECT_EQ(data.readShort(), 1);
        EXPECT_EQ(data.readUTF(), path.stem().string() + ".png");
        Font font;
        font.leading = data.readShort();
        font.tracking = data.readShort();
        for (int count = data.readShort(); count > 0; --count) {
            const auto codePoint = static_cast<std::uint16_t>(data.readShort());
            Glyph& glyph = font.glyphs[codePoint];
            for (int* field : {&glyph.x, &glyph.y, &glyph.width, &glyph.height, &glyph.baseline})
                *field = data.readShort();
        }
        EXPECT_EQ(reader.remaining(), 0);
        return font;
    }

    /// The rows of `glyph` in the texture that hold ink, after checking that all ink is white.
    static std::vector<int> inkRows(const SDL_Surface& texture, const Glyph& glyph) {
        std::vector<int> rows;
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x) {
                const auto* pixel =
                    static_cast<const Uint8*>(texture.pixels) + (glyph.y + y) * texture.pitch + (glyph.x + x) * 4;
                if (pixel[3] == 0)
                    continue;
                EXPECT_EQ(pixel[0] & pixel[1] & pixel[2], 0xFF) << "ink that is not white";
                if (rows.empty() || rows.back() != y)
                    rows.push_back(y);
            }
        return rows;
    }
};

TEST_F(FontCommand, GlyphsSpanTheirAdvanceAndTheLineWithInkAroundTheBaseline) {
    const fs::path output = m_folder / "body.dat";
    const std::string summary = datatool::buildBitmapFont(kFontFile, kPixelSize, output, {{}, 3, 2});
    const Font font = readFont(output);
    EXPECT_EQ(font.glyphs.size(), 95u + 96u) << "ASCII 32-126 and 160-255";
    EXPECT_EQ(summary.find("body.dat: 191 glyphs in "), 0u) << summary;
    EXPECT_EQ(font.tracking, 3);
    EXPECT_GE(font.leading, 0);

    const Reference reference;
    for (const auto& [codePoint, glyph] : font.glyphs) {
        EXPECT_EQ(glyph.width, reference.advance(codePoint)) << codePoint;
        EXPECT_EQ(glyph.height, reference.line()) << codePoint;
        EXPECT_EQ(glyph.baseline, reference.ascender()) << codePoint;
    }

    SDL_Surface* loaded = IMG_Load((m_folder / "body.png").string().c_str());
    ASSERT_TRUE(loaded);
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> texture(
        SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
    SDL_FreeSurface(loaded);
    const int baseline = reference.ascender();
    EXPECT_TRUE(inkRows(*texture, font.glyphs.at(' ')).empty());
    const std::vector<int> capital = inkRows(*texture, font.glyphs.at('A'));
    ASSERT_GT(capital.size(), 5u);
    EXPECT_LT(capital.back(), baseline) << "A stands on the baseline";
    EXPECT_GE(inkRows(*texture, font.glyphs.at('g')).back(), baseline) << "g reaches below it";
}

TEST_F(FontCommand, CharactersFileChoosesTheGlyphs) {
    struct Case {
        std::string characters;
        std::vector<std::uint32_t> glyphs;
        std::string message;
    };
    const Case cases[] = {
        {"h\xC3\xA9llo\r\nh\xC3\xA9\n", {' ', 'h', 'l', 'o', 0xE9}, ""},
        {"\xEF\xBB\xBFok\t\xE2\x82\xAC", {' ', 'k', 'o', 0x20AC}, ""},
        {"a\xF0\x9F\x98\x80", {}, "chars.txt holds U+1F600; a font holds characters up to U+FFFF only"},
        {"a\xFF", {}, "chars.txt is not valid UTF-8"},
    };
    for (const Case& test : cases) {
        const fs::path output = m_folder / "small.dat";
        const std::string message = failureOf([&] {
            datatool::buildBitmapFont(kFontFile, 12, output, {write("chars.txt", test.characters), 0, 1});
        });
        if (!test.message.empty()) {
            EXPECT_NE(message.find(test.message), std::string::npos) << message;
            continue;
        }
        ASSERT_EQ(message, "");
        std::vector<std::uint32_t> baked;
        for (const auto& entry : readFont(output).glyphs)
            baked.push_back(entry.first);
        EXPECT_EQ(baked, test.glyphs) << test.characters;
    }
}

} // namespace
