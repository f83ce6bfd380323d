// Line breaking with a measure of 10 pixels per character, so widths follow from the text.
#include "LineBreaking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int tenPerCharacter(const std::string& text) {
    int characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters * 10;
}

} // namespace

TEST(LineBreaking, BreaksGreedilyAtEachBreakCharacterAndCutsLongWords) {
    const struct {
        const char* text;
        float maxWidth;
        std::vector<std::string> lines;
        int widestLine;
    } cases[] = {
        {"any text", 0, {""}, 0},
        {"any text", -5, {""}, 0},
        {"", 50, {""}, 0},
        {"a b c d", 30, {"a b", "c d"}, 30},
        {"ab\ncd", 100, {"ab", "cd"}, 20},
        {"ab\n\ncd\n", 100, {"ab", "", "cd"}, 20},
        {"ab   cd", 30, {"ab", "cd"}, 20},
        {"ab \ncd", 20, {"ab", "cd"}, 20},
        {"well-known", 60, {"well-", "known"}, 50},
        {"ab\u200Bcd", 30, {"ab", "cd"}, 20},
        {"abcdefg hi", 30, {"abc", "def", "g", "hi"}, 30},
        {"xy-abcdefg", 40, {"xy-", "abcd", "efg"}, 40},
        // Narrower than any character: one character per line, never half of one.
        {"ab\u00E9\u20AC", 5, {"a", "b", "\u00E9", "\u20AC"}, 10},
        {"\u00E9\u00E9\u00E9", 25, {"\u00E9\u00E9", "\u00E9"}, 20},
    };
    for (const auto& c : cases) {
        const BrokenText broken = breakLines(c.text, c.maxWidth, tenPerCharacter);
        EXPECT_EQ(broken.lines, c.lines) << c.text << " / " << c.maxWidth;
        EXPECT_EQ(broken.widestLine, c.widestLine) << c.text << " / " << c.maxWidth;
    }
}
