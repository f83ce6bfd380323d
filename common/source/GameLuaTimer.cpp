// The game timer and the exit request.
#include "GameLua.h"

#include "framework/App.h"
#include "lang/System.h"

void GameLua::registerTimerNatives() {
    registerMethod("resetTimer", &GameLua::resetTimer);
    registerMethod("getGameTimer", &GameLua::getGameTimer);
    registerMethod("requestExit", &GameLua::requestExit);
}

// resetTimer()
void GameLua::resetTimer() { m_timer.reset(lang::System::currentTimeMillis()); }

// getGameTimer() -> whole seconds since resetTimer, rounded
float GameLua::getGameTimer() { return static_cast<float>(m_timer.seconds(lang::System::currentTimeMillis())); }

// requestExit()
void GameLua::requestExit() { m_app.requestQuit(0); }
