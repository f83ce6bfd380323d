#include "DumpCommand.h"
#include "CompoCommand.h"
#include "FontCommand.h"
#include "TextCommand.h"
#include "ToolTestFolder.h"

#include "game/ContainerWriter.h"
#include "lang/Exception.h"

#include <functional>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class DumpCommand : public ToolTestFolder {
protected:
    /// One file of each kind the tool writes, and a sheet written by hand behind a chunk of
    /// another kind.
    std::vector<fs::path> makeFiles() {
        game::ContainerWriter sheet;
        sheet.beginChunk(game::fourCharacterCode("XTRA"));
        sheet.writeBytes("abc", 3);
        sheet.endChunk();
        sheet.beginChunk(game::kSpriteChunk);
        sheet.writeShort(1);
        sheet.writeString("hero.png");
        sheet.writeShort(1);
        sheet.writeString("walk\t1");
        for (const std::int16_t value : {2, 3, 16, 24, -1, 20})
            sheet.writeShort(value);
        sheet.endChunk();
        const Bytes bytes = sheet.finish();
        write("sheet.dat", std::string(bytes.begin(), bytes.end()));

        datatool::buildComposites(write("c.txt", "composite hero\npart body 1 -2\nextra hat 3 4\n"),
                                  m_folder / "compo.dat");
        datatool::buildTextTable(write("t.tsv", "id\ten_EN\tfi_FI\nhi\tHi \"you\"\\n\tMoi\n"), m_folder / "text.dat");
        datatool::buildBitmapFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 10, m_folder / "font.dat",
                                  {write("chars.txt", "\xC3\xA4"), -1, 0});
        return {m_folder / "sheet.dat", m_folder / "compo.dat", m_folder / "text.dat", m_folder / "font.dat"};
    }

    static std::string dump(const fs::path& path) {
        std::ostringstream out;
        datatool::dumpContainer(path, out);
        return out.str();
    }
};

TEST_F(DumpCommand, ShowsTheRecordsOfEveryKind) {
    const std::vector<fs::path> files = makeFiles();
    const std::vector<std::vector<std::string>> expected = {
        {": QPF2 container, payload ", " bytes, 2 chunks\n", "XTRA chunk, 3 bytes\n", "SPRT chunk, ",
         "  texture \"hero.png\"\n  1 sprites\n", "    \"walk\\t1\" at 2, 3 size 16 x 24 pivot -1, 20\n"},
        {"COMP chunk, ", "  version 2\n  1 composites\n", "    composite \"hero\"\n      part \"body\" 1 -2\n",
         "      extra \"hat\" 3 4\n"},
        {"TEXT chunk, ", "  LDAT sub-chunk, ", "    2 languages: \"en_EN\" \"fi_FI\"\n", "    1 identifiers: \"hi\"\n",
         "    language \"en_EN\"\n      \"hi\" = \"Hi \\\"you\\\"\\n\"\n",
         "    language \"fi_FI\"\n      \"hi\" = \"Moi\"\n"},
        {"FONT chunk, ", "  texture \"font.png\"\n", ", tracking -1\n  2 glyphs\n", "    U+0020 ' ' at ",
         "    U+00E4 '\xC3\xA4' at "},
    };
    for (std::size_t index = 0; index < files.size(); ++index) {
        const std::string text = dump(files[index]);
        std::size_t at = 0;
        for (const std::string& part : expected[index]) {
            const std::size_t found = text.find(part, at);
            ASSERT_NE(found, std::string::npos) << "missing or out of order: " << part << "\nin:\n" << text;
            at = found + part.size();
        }
    }
}

TEST_F(DumpCommand, MalformedFilesFailWithoutCrashing) {
    const auto container = [](const std::function<void(game::ContainerWriter&)>& body) {
        game::ContainerWriter writer;
        body(writer);
        const Bytes bytes = writer.finish();
        return std::string(bytes.begin(), bytes.end());
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "Unexpected end of file"},
        {"PK\3\4 not ours", "is not a QPF2 container"},
        {std::string("QPF2\0\0\0\x09", 8) + "12345678", "Malformed QPF2 file"},
        {std::string("QPF2\0\0\0\x0A", 8) + "SPRT" + std::string("\0\0\0\x64\0\1", 6),
         "the SPRT chunk declares 100 bytes but only 2 remain"},
        {container([](auto& w) {
             w.beginChunk(game::kTextChunk);
             w.writeShort(1);
             w.writeInt(static_cast<std::int32_t>(game::kLanguageDataChunk));
             w.writeInt(0x7FFFFFFF);
             w.endChunk();
         }),
         "the LDAT sub-chunk declares 2147483647 bytes but only 0 remain"},
        {container([](auto& w) {
             w.beginChunk(game::kCompositeChunk);
             w.writeShort(1);
             w.writeShort(0);
             w.writeByte(7);
             w.endChunk();
         }),
         "1 bytes follow the records of the COMP chunk"},
        {container([](auto& w) {
             w.beginChunk(game::kFontChunk);
             w.writeShort(1);
             w.writeShort(-5);
             w.endChunk();
         }),
         "Invalid UTF-8 data in"},
    };
    for (const auto& [content, expected] : cases) {
        const std::string message = failureOf([&] { dump(write("bad.dat", content)); });
        EXPECT_NE(message.find(expected), std::string::npos) << message;
    }

    // Every cut and every damaged byte of real files, with the sizes of the header and the first
    // chunk patched to match so that the records themselves are cut: an error or a dump, never
    // a crash or a foreign exception.
    for (const fs::path& file : makeFiles()) {
        const std::string original = read(file);
        for (std::size_t length = 16; length <= original.size(); ++length) {
            std::string cut = original.substr(0, length);
            for (const auto& [at, size] : {std::pair<std::size_t, std::size_t>{4, length - 8}, {12, length - 16}})
                for (int byte = 0; byte < 4; ++byte)
                    cut[at + byte] = static_cast<char>(size >> (24 - 8 * byte));
            const fs::path path = write("cut.dat", cut);
            EXPECT_NO_THROW(try { dump(path); } catch (const lang::Exception&){}) << file << " cut at " << length;
            for (const char damage : {'\xFF', '\x80'}) {
                std::string damaged = original;
                damaged[length - 1] = damage;
                const fs::path damagedPath = write("damaged.dat", damaged);
                EXPECT_NO_THROW(try { dump(damagedPath); } catch (const lang::Exception&){})
                    << file << " at " << length;
            }
        }
    }
}

} // namespace
