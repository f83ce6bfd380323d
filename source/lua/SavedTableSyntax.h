#pragma once

// The lexical pieces of the saved-table text, shared by its writer and its reader. Internal to
// the bridge.

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace lua {

/// One of the 21 reserved words of Lua 5.1. Internal to the bridge.
inline bool isReservedWord(std::string_view word) {
    static const std::unordered_set<std::string_view> kReservedWords{
        "and",   "break", "do",  "else", "elseif", "end",    "false", "for",  "function", "if",   "in",
        "local", "nil",   "not", "or",   "repeat", "return", "then",  "true", "until",    "while"};
    return kReservedWords.count(word) != 0;
}

/// A letter of a name (in the C locale, as the saved-table format uses it) or an underscore.
inline bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// A name that may stand bare on the left of an assignment: a letter or underscore, then
/// letters, digits or underscores, and no reserved word. Internal to the bridge.
inline bool isIdentifier(std::string_view text) {
    if (text.empty() || !isNameStart(text.front()))
        return false;
    if (!std::all_of(text.begin() + 1, text.end(), [](char c) { return isNameStart(c) || isDigit(c); }))
        return false;
    return !isReservedWord(text);
}

/// The bytes that a saved table's strings hold as a backslash and a letter (or the byte
/// itself): each with that letter. Internal to the bridge.
inline constexpr std::pair<char, char> kNamedEscapes[] = {{'\a', 'a'},  {'\b', 'b'}, {'\t', 't'}, {'\n', 'n'},
                                                          {'\v', 'v'},  {'\f', 'f'}, {'\r', 'r'}, {'"', '"'},
                                                          {'\'', '\''}, {'\\', '\\'}};

} // namespace lua
