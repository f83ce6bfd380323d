#include "TextCommand.h"

#include "OutputFiles.h"
#include "TextLines.h"

#include "game/Container.h"
#include "game/ContainerWriter.h"
#include "lang/Exception.h"

#include <cstdio>
#include <map>
#include <vector>

namespace datatool {

namespace fs = std::filesystem;

namespace {

constexpr std::int16_t kTextVersion = 1;
constexpr std::size_t kMaxCount = 32767;
constexpr std::size_t kMaxStringBytes = 32767;

std::vector<std::string> splitCells(const std::string& text) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', start)) {
        cells.push_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    cells.push_back(text.substr(start));
    return cells;
}

/// Stores `text` checked for length; `what` names it in the message.
std::string checkedString(const fs::path& path, int line, const std::string& what, std::string text) {
    if (text.size() > kMaxStringBytes)
        failAt(path, line, what + " is " + std::to_string(text.size()) + " bytes long; at most 32767 fit");
    return text;
}

std::string unescape(const fs::path& path, int line, const std::string& cell) {
    std::string text;
    for (std::size_t index = 0; index < cell.size(); ++index) {
        if (cell[index] != '\\') {
            text += cell[index];
            continue;
        }
        const char next = index + 1 < cell.size() ? cell[++index] : '\0';
        if (next == 'n')
            text += '\n';
        else if (next == 't')
            text += '\t';
        else if (next == '\\')
            text += '\\';
        else
            failAt(path, line,
                   "unknown escape \\" + std::string(next ? 1 : 0, next) + " (a string may use \\n, \\t and \\\\)");
    }
    return checkedString(path, line, "the string", std::move(text));
}

struct TextTable {
    std::vector<std::string> languages;
    std::vector<std::string> identifiers;
    /// One string per identifier for each language, in the languages' order.
    std::vector<std::vector<std::string>> strings;
};

TextTable readTable(const fs::path& path) {
    const std::vector<TextLine> lines = readTextLines(path);
    if (lines.empty())
        throw lang::Exception(lang::Format("{0} has no header row (id and the language codes)", path.string()));
    TextTable table;
    const std::vector<std::string> header = splitCells(lines[0].text);
    if (header[0] != "id" || header.size() < 2)
        failAt(path, lines[0].number, "the header row must be \"id\" and at least one language code, tab-separated");
    for (std::size_t column = 1; column < header.size(); ++column) {
        for (std::size_t earlier = 1; earlier < column; ++earlier)
            if (header[earlier] == header[column])
                failAt(path, lines[0].number, "the language " + header[column] + " is given twice");
        table.languages.push_back(checkedString(path, lines[0].number, "the language code", header[column]));
    }
    table.strings.resize(table.languages.size());

    std::map<std::string, int> identifierLines;
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const TextLine& line = lines[row];
        const std::vector<std::string> cells = splitCells(line.text);
        if (cells.size() != header.size())
            failAt(path, line.number,
                   lang::Format("expected {0} cells (an identifier and {1} strings), found {2}",
                                std::to_string(header.size()), std::to_string(table.languages.size()),
                                std::to_string(cells.size()))
                       .toString());
        if (cells[0].empty())
            failAt(path, line.number, "the identifier is empty");
        const auto [earlier, added] = identifierLines.emplace(cells[0], line.number);
        if (!added)
            failAt(path, line.number,
                   "the identifier " + cells[0] + " was already given on line " + std::to_string(earlier->second));
        table.identifiers.push_back(checkedString(path, line.number, "the identifier", cells[0]));
        for (std::size_t language = 0; language < table.languages.size(); ++language)
            table.strings[language].push_back(unescape(path, line.number, cells[language + 1]));
    }
    if (table.languages.size() > kMaxCount || table.identifiers.size() > kMaxCount)
        throw lang::Exception(lang::Format("{0} has more than 32767 languages or identifiers", path.string()));
    return table;
}

void writeList(game::ContainerWriter& writer, std::uint32_t id, const std::vector<std::string>& texts, bool withCount) {
    writer.beginChunk(id);
    if (withCount)
        writer.writeShort(static_cast<std::int16_t>(texts.size()));
    for (const std::string& text : texts)
        writer.writeString(text);
    writer.endChunk();
}

} // namespace

std::string buildTextTable(const fs::path& tablePath, const fs::path& output) {
    const TextTable table = readTable(tablePath);
    game::ContainerWriter writer;
    writer.beginChunk(game::kTextChunk);
    writer.writeShort(kTextVersion);
    writeList(writer, game::kLanguageDataChunk, table.languages, true);
    writeList(writer, game::kLanguageIdsChunk, table.identifiers, true);
    for (const std::vector<std::string>& strings : table.strings)
        writeList(writer, game::kTextGroupChunk, strings, false);
    writer.endChunk();
    writeFile(output, writer.finish());
    return lang::Format("{0}: {1} strings in {2} languages", output.filename().string(),
                        std::to_string(table.identifiers.size()), std::to_string(table.languages.size()))
        .toString();
}

const Command kTextCommand{
    "text",
    "TABLE OUT.dat",
    "Convert a tab-separated table of localised strings into a text group file.",
    "TABLE is UTF-8 text with tab-separated cells. The first row is \"id\" followed by the\n"
    "language codes (en_EN, fi_FI, ...); each further row is an identifier and one string per\n"
    "language. Strings may use the escapes \\n, \\t and \\\\. Blank lines and lines starting with #\n"
    "are skipped.\n",
    2,
    2,
    {},
    [](const Arguments& arguments) {
        std::printf("%s\n", buildTextTable(arguments.positional(0), arguments.positional(1)).c_str());
    },
};

} // namespace datatool
