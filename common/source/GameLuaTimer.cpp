// The game timer and the exit request.
#include "GameLua.h"

#include "framework/App.h"
#include "framework/OSInterface.h"
#include "lang/System.h"
#include "renderer/Context.h"

#include <cmath>

void GameLua::registerTimerNatives() {
    registerMethod("resetTimer", &GameLua::resetTimer);
    registerMethod("getGameTimer", &GameLua::getGameTimer);
    registerMethod("requestExit", &GameLua::requestExit);
}

// resetTimer()
void GameLua::resetTimer() { m_timer.reset(timerMillis()); }

// getGameTimer() -> whole seconds since resetTimer, rounded
float GameLua::getGameTimer() { return static_cast<float>(m_timer.seconds(timerMillis())); }

std::int64_t GameLua::timerMillis() const {
    // A replay repeats the frames' time, not the clock's.
    if (m_app.os().runOptions().reproducible)
        return std::llround(static_cast<double>(m_context.time()) * 1000.0);
    return lang::System::currentTimeMillis();
}

// requestExit()
void GameLua::requestExit() { m_app.requestQuit(0); }
