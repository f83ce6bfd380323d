#pragma once

#include <string>

namespace pf {

class TextInputObserver;

/// A line of text typed from the keyboard. At most one input in the process is active: the host
/// hands every typed character to it (`type`). Game thread only; the active input is a plain
/// process-wide pointer without lock.
class TextInput {
public:
    TextInput() = default;
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;
    /// An input that goes while active leaves no input active.
    ~TextInput();

    /// Makes this the active input (the one before stops being it) with `text` (UTF-8) and
    /// `observer` (not owned; may be null; must outlive the entry).
    void start(const std::string& text, TextInputObserver* observer);
    /// Ends the entry if this input is the active one; the text is kept.
    void stop();
    /// Whether this is the active input.
    bool isActive() const { return s_active == this; }
    /// The text, UTF-8.
    const std::string& text() const { return m_text; }

    /// One typed character: 8 (backspace) removes the last character, a whole UTF-8 sequence,
    /// and reports the change when something was removed; 10, 13 and 27 (line feed, return,
    /// escape) end the entry keeping the text; a printable code point is offered to the observer
    /// and appended unless it refuses. Other control codes, surrogates and values past U+10FFFF
    /// are ignored.
    void key(char32_t code);

    /// Hands a typed character to the active input; nothing when no input is active.
    static void type(char32_t code);
    /// The active input, or null.
    static TextInput* active() { return s_active; }

private:
    void removeLastCharacter();
    void append(char32_t code);

    static TextInput* s_active;
    std::string m_text;
    TextInputObserver* m_observer = nullptr;
};

} // namespace pf
