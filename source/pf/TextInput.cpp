#include "TextInput.h"

#include "TextInputObserver.h"
#include "lang/UTF.h"

namespace pf {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kLineFeed = 10;
constexpr char32_t kReturn = 13;
constexpr char32_t kEscape = 27;
constexpr char32_t kDelete = 127;

bool isPrintable(char32_t code) {
    const bool control = code < 32 || code == kDelete;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return !control && !surrogate && code <= 0x10FFFF;
}

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

} // namespace

TextInput* TextInput::s_active = nullptr;

TextInput::~TextInput() { stop(); }

void TextInput::start(const std::string& text, TextInputObserver* observer) {
    m_text = text;
    m_observer = observer;
    s_active = this;
}

void TextInput::stop() {
    if (isActive())
        s_active = nullptr;
}

void TextInput::type(char32_t code) {
    if (s_active)
        s_active->key(code);
}

void TextInput::key(char32_t code) {
    if (code == kBackspace)
        removeLastCharacter();
    else if (code == kLineFeed || code == kReturn || code == kEscape)
        stop();
    else if (isPrintable(code))
        append(code);
}

void TextInput::removeLastCharacter() {
    if (m_text.empty())
        return;
    // Back over the continuation bytes to the sequence's first byte: the bytes before it stay
    // exactly as they were, whatever they are.
    std::size_t end = m_text.size() - 1;
    while (end > 0 && isContinuationByte(m_text[end]))
        --end;
    m_text.erase(end);
    if (m_observer)
        m_observer->textChanged(m_text);
}

void TextInput::append(char32_t code) {
    const std::string character = lang::codePointsToUtf8({code});
    if (m_observer && !m_observer->acceptCharacter(character, code))
        return;
    m_text += character;
    if (m_observer)
        m_observer->textChanged(m_text);
}

} // namespace pf
