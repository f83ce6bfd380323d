#include "TextLines.h"

#include "OutputFiles.h"

#include "lang/Exception.h"
#include "lang/UTF.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace datatool {

namespace {

bool isBlank(char character) { return character == ' ' || character == '\t'; }

} // namespace

std::vector<TextLine> readTextLines(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = readFile(path);
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<TextLine> lines;
    int number = 0;
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        if (!isValidUtf8(line))
            failAt(path, number, "the line is not valid UTF-8");
        lines.push_back({number, std::string(line)});
    }
    return lines;
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t index = 0;
    while (index < text.size()) {
        while (index < text.size() && isBlank(text[index]))
            ++index;
        const std::size_t start = index;
        while (index < text.size() && !isBlank(text[index]))
            ++index;
        if (index > start)
            words.emplace_back(text.substr(start, index - start));
    }
    return words;
}

void failAt(const std::filesystem::path& path, int line, const std::string& message) {
    throw lang::Exception(lang::Format("{0}:{1}: {2}", path.string(), std::to_string(line), message));
}

std::int16_t parseShort(const std::filesystem::path& path, int line, const std::string& what, const std::string& word) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        failAt(path, line, what + " must be an integer from -32768 to 32767, not \"" + word + "\"");
    return static_cast<std::int16_t>(value);
}

std::string codePointName(std::uint32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

bool isValidUtf8(std::string_view text) {
    // The converter drops what it cannot decode, so a lossless round trip means valid input.
    return lang::codePointsToUtf8(lang::utf8ToCodePoints(text)) == text;
}

} // namespace datatool
