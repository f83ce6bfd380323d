// The scripts' log output.
#include "GameLua.h"

#include "lang/Log.h"

void GameLua::registerLoggingNatives() {
    registerMethod("print", &GameLua::print);
    registerMethod("printWarning", &GameLua::printWarning);
    registerMethod("printError", &GameLua::printError);
    registerMethod("printGlobals", &GameLua::printGlobals);
}

// print(text): the scripts' chatter is not wanted in the log
void GameLua::print(const std::string&) {}

// printWarning(text)
void GameLua::printWarning(const std::string& text) {
    lang::log::write("Game", __FILE__, "GameLua::printWarning", __LINE__, lang::log::Warning, "%s", text.c_str());
}

// printError(text)
void GameLua::printError(const std::string& text) {
    lang::log::write("Game", __FILE__, "GameLua::printError", __LINE__, lang::log::Error, "%s", text.c_str());
}

// printGlobals(): a debugging aid whose output was switched off; it shows nothing
void GameLua::printGlobals() {}
