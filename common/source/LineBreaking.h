#pragma once

#include <functional>
#include <string>
#include <vector>

/// A text broken into lines, and the width of its widest line in pixels.
struct BrokenText {
    std::vector<std::string> lines;
    int widestLine = 0;
};

/// The width of a piece of UTF-8 text in pixels, as the font that will draw it measures it.
using TextMeasure = std::function<int(const std::string&)>;

/// Breaks the UTF-8 `text` greedily into lines no wider than `maxWidth` pixels. Lines break
/// after a hyphen (which stays on its line), at spaces and zero-width spaces (U+200B), which
/// are dropped where a line breaks, and always at a line feed (dropped). A word wider than
/// `maxWidth` by itself is cut between characters, never inside one; every line takes at least
/// one character, so any width ends. A `maxWidth` of 0 or less gives one empty line, and so
/// does an empty text.
BrokenText breakLines(const std::string& text, float maxWidth, const TextMeasure& measure);
