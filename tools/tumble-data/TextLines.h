#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace datatool {

/// One line of a hand-written input file that carries content.
struct TextLine {
    /// 1-based, as editors count.
    int number = 0;
    /// The line without its line ending (a trailing carriage return is dropped too).
    std::string text;
};

/// The lines of a hand-written input file (pivots, composite descriptions, text tables), without
/// blank lines and without comment lines (first non-blank character '#'). Raises `lang::Exception`
/// "FILE:LINE: ..." for a line that is not valid UTF-8.
std::vector<TextLine> readTextLines(const std::filesystem::path& path);

/// `text` split at runs of spaces and tabs.
std::vector<std::string> splitWords(std::string_view text);

/// Raises `lang::Exception` "FILE:LINE: MESSAGE".
[[noreturn]] void failAt(const std::filesystem::path& path, int line, const std::string& message);

/// `word` as a signed 16-bit integer; raises "FILE:LINE: WHAT must be an integer from -32768 to
/// 32767, not \"WORD\"" otherwise.
std::int16_t parseShort(const std::filesystem::path& path, int line, const std::string& what, const std::string& word);

/// "U+0041": a code point as people write it, at least four hexadecimal digits.
std::string codePointName(std::uint32_t codePoint);

/// True when `text` is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

} // namespace datatool
