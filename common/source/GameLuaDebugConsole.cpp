// The debug console's natives: a line typed into the running game, for the scripts to act on.
#include "GameLua.h"

void GameLua::registerDebugConsoleNatives() {
    registerMethod("activateDebugConsole", &GameLua::activateDebugConsole);
    registerMethod("deactivateDebugConsole", &GameLua::deactivateDebugConsole);
}

// activateDebugConsole(text): the keyboard types into the console, starting from text
void GameLua::activateDebugConsole(const std::string& text) { m_debugConsole.activate(text); }

// deactivateDebugConsole(): the console gives up the keyboard if it has it
void GameLua::deactivateDebugConsole() { m_debugConsole.deactivate(); }

void GameLua::publishDebugConsoleText(const std::string& text) {
    // The table belongs to the scripts; without one the text would be lost (and a key press
    // outside any script call has nobody to report an error to), so one is made.
    if (!isTable("DebugConsole"))
        set("DebugConsole", lua::LuaTable(state()));
    getTable("DebugConsole").set("g_debugconsole_text", text);
}
