#include "DebugConsole.h"

#include <utility>

DebugConsole::DebugConsole(Publish publish) : m_publish(std::move(publish)) {}

void DebugConsole::activate(const std::string& text) {
    m_input.start(text, this);
    m_publish(m_input.text());
}

void DebugConsole::deactivate() { m_input.stop(); }

bool DebugConsole::acceptCharacter(const std::string&, char32_t) { return true; }

void DebugConsole::textChanged(const std::string& text) { m_publish(text); }
