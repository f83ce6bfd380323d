#pragma once

#include <string>

namespace pf {

/// What a text input tells the one who typed into it. Called on the game thread, from inside
/// `TextInput::key`.
class TextInputObserver {
public:
    virtual ~TextInputObserver() = default;
    /// Whether `character` (the code point `code`, as UTF-8) may be appended to the text.
    virtual bool acceptCharacter(const std::string& character, char32_t code) = 0;
    /// The text is now `text` (UTF-8).
    virtual void textChanged(const std::string& text) = 0;
};

} // namespace pf
