#pragma once

#include "pf/TextInput.h"
#include "pf/TextInputObserver.h"

#include <functional>
#include <string>

/// A line a developer types into the running game, for the scripts to act on. The console owns
/// a text input; while it is active (at most one input in the program is), the keyboard types
/// into it, and every change of its text goes to the scripts through `publish`. Game thread only.
class DebugConsole : public pf::TextInputObserver {
public:
    /// Where the text goes: called with the whole text (UTF-8) on every change.
    using Publish = std::function<void(const std::string& text)>;

    explicit DebugConsole(Publish publish);

    /// Takes the keyboard (from any other input) with `text` as the line, and publishes it.
    void activate(const std::string& text);
    /// Gives up the keyboard if this console has it; another input that has it keeps it.
    void deactivate();

    /// Every character is welcome.
    bool acceptCharacter(const std::string& character, char32_t code) override;
    void textChanged(const std::string& text) override;

private:
    Publish m_publish;
    pf::TextInput m_input;
};
