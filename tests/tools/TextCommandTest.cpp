#include "TextCommand.h"
#include "ToolTestFolder.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

class TextCommand : public ToolTestFolder {
protected:
    /// The sub-chunks of the text table chunk in `path`: id and strings (a count first in the
    /// language and identifier lists, `groupSize` strings in a group).
    static std::vector<std::pair<std::uint32_t, Strings>> readTable(const fs::path& path) {
        const game::ContainerFile file = openContainer(path);
        game::ChunkReader reader = file.read(file.chunks().at(0));
        EXPECT_EQ(file.chunks()[0].id, game::kTextChunk);
        EXPECT_EQ(reader.data().readShort(), 1);
        std::vector<std::pair<std::uint32_t, Strings>> subChunks;
        int groupSize = 0;
        while (reader.remaining() > 0) {
            const std::uint32_t id = reader.readId();
            const int end = reader.remaining() - reader.data().readInt() - 4;
            int count = id == game::kTextGroupChunk ? groupSize : reader.data().readShort();
            if (id == game::kLanguageIdsChunk)
                groupSize = count;
            Strings strings;
            while (count-- > 0)
                strings.push_back(reader.data().readUTF());
            EXPECT_EQ(reader.remaining(), end) << "sub-chunk size";
            subChunks.emplace_back(id, strings);
        }
        return subChunks;
    }
};

TEST_F(TextCommand, TableRoundTripsWithEscapesInLanguageOrder) {
    const fs::path table = write("strings.tsv", "# menu texts\n"
                                                "id\ten_EN\tfi_FI\r\n"
                                                "\n"
                                                "greeting\tHello\\nworld\tHei\\tmaailma\n"
                                                "path\tC:\\\\dir\t\\\\\n"
                                                "  # aside\n"
                                                "empty\t\tTyhj\xC3\xA4 # not a comment\n");
    EXPECT_EQ(datatool::buildTextTable(table, m_folder / "strings.dat"), "strings.dat: 3 strings in 2 languages");
    const std::vector<std::pair<std::uint32_t, Strings>> expected = {
        {game::kLanguageDataChunk, {"en_EN", "fi_FI"}},
        {game::kLanguageIdsChunk, {"greeting", "path", "empty"}},
        {game::kTextGroupChunk, {"Hello\nworld", "C:\\dir", ""}},
        {game::kTextGroupChunk, {"Hei\tmaailma", "\\", "Tyhj\xC3\xA4 # not a comment"}},
    };
    EXPECT_EQ(readTable(m_folder / "strings.dat"), expected);
}

TEST_F(TextCommand, BadTablesFailNamingTheLine) {
    expectFailures(
        {
            {"id\ten\tfi\nx\ta\n", "t.tsv:2: expected 3 cells (an identifier and 2 strings), found 2"},
            {"id\ten\nx\ta\tb\n", "t.tsv:2: expected 2 cells"},
            {"id\ten\nx\ta\n\n# c\nx\tb\n", "t.tsv:5: the identifier x was already given on line 2"},
            {"id\ten\nx\ta\\q\n", "t.tsv:2: unknown escape \\q"},
            {"id\ten\nx\ta\\\n", "t.tsv:2: unknown escape \\ "},
            {"id\ten\n\ta\n", "t.tsv:2: the identifier is empty"},
            {"key\ten\n", "t.tsv:1: the header row must be \"id\""},
            {"id\n", "t.tsv:1: the header row"},
            {"id\ten\ten\n", "t.tsv:1: the language en is given twice"},
            {"id\ten\nx\t\xFF\n", "t.tsv:2: the line is not valid UTF-8"},
            {"id\ten\nx\t" + std::string(32768, 'a') + "\n", "t.tsv:2: the string is 32768 bytes long"},
            {"# nothing\n", "has no header row"},
        },
        "t.tsv", "t.dat", datatool::buildTextTable);
}

} // namespace
