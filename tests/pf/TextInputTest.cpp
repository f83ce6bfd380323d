#include "pf/TextInput.h"
#include "pf/TextInputObserver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Records the changes the input reports; refuses the characters of `refused`.
struct RecordingObserver : pf::TextInputObserver {
    bool acceptCharacter(const std::string& character, char32_t) override {
        return refused.find(character) == std::string::npos;
    }
    void textChanged(const std::string& text) override { changes.push_back(text); }

    std::string refused;
    std::vector<std::string> changes;
};

TEST(TextInputTest, CharactersEditTheTextAsTheRulesSay) {
    struct Case {
        const char* name;
        std::string start;
        std::u32string typed;
        std::string text;
        std::vector<std::string> changes;
        std::string refused;
    };
    const std::vector<Case> cases = {
        {"backspace on empty text reports nothing", "", U"\b\b", "", {}, ""},
        {"backspace removes a whole sequence", "a\u00E9\U0001F600", U"\b\b", "a", {"a\u00E9", "a"}, ""},
        {"beyond the basic plane is appended whole",
         "",
         U"\U0001F600x",
         "\U0001F600x",
         {"\U0001F600", "\U0001F600x"},
         ""},
        {"keys without a character, other controls and invalid code points are ignored",
         "ab",
         std::u32string{0, 9, 127, 0xD800, 0x110000},
         "ab",
         {},
         ""},
        {"return ends the entry keeping the text", "go", U"\ry", "go", {}, ""},
        {"the observer refuses a character", "", U"a#\u00E4", "a\u00E4", {"a", "a\u00E4"}, "#"},
    };
    for (const Case& c : cases) {
        RecordingObserver observer;
        observer.refused = c.refused;
        pf::TextInput input;
        input.start(c.start, &observer);
        for (const char32_t code : c.typed)
            pf::TextInput::type(code);
        EXPECT_EQ(input.text(), c.text) << c.name;
        EXPECT_EQ(observer.changes, c.changes) << c.name;
    }
}

TEST(TextInputTest, EndingOrReplacingTheEntryRoutesLaterCharactersNowhereElse) {
    RecordingObserver first;
    pf::TextInput input;
    input.start("", &first);
    pf::TextInput::type(27);
    pf::TextInput::type('a');
    EXPECT_EQ(pf::TextInput::active(), nullptr);
    EXPECT_EQ(input.text(), "");

    // Starting another input takes the keyboard; stopping the first one then changes nothing.
    input.start("x", &first);
    {
        pf::TextInput other;
        other.start("", nullptr);
        input.stop();
        pf::TextInput::type('b');
        EXPECT_EQ(other.text(), "b") << "without an observer every character is appended";
        EXPECT_EQ(input.text(), "x");
    }
    EXPECT_EQ(pf::TextInput::active(), nullptr) << "an input that goes leaves none active";
}

} // namespace
