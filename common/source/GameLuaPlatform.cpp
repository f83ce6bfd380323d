// Platform natives: the window, the mouse, the clipboard, the device identifier, screen capture,
// and the game-centre and motion natives of other platforms.
#include "GameLua.h"

#include "Clipboard.h"
#include "framework/App.h"
#include "framework/OSInterface.h"

void GameLua::registerPlatformNatives() {
    registerMethod("goToTaskSwitcherLua", &GameLua::doNothing);
    registerMethod("postHighscore", &GameLua::doNothing);
    registerMethod("captureScreen", &GameLua::captureScreen);
    registerMethod("initGameCenter", &GameLua::doNothing);
    registerMethod("getLeaderboardScoresForPlayers", &GameLua::doNothing);
    registerMethod("getLeaderboardScoresForRange", &GameLua::doNothing);
    registerMethod("showLeaderboards", &GameLua::doNothing);
    registerMethod("showAchievements", &GameLua::doNothing);
    registerMethod("setGCPopupAllowed", &GameLua::doNothing);
    registerMethod("getFullScreenWidth", &GameLua::getFullScreenWidth);
    registerMethod("getFullScreenHeight", &GameLua::getFullScreenHeight);
    registerMethod("captureMouse", &GameLua::captureMouse);
    registerMethod("isMouseCaptured", &GameLua::isMouseCaptured);
    registerMethod("setFullScreenMode", &GameLua::setFullScreenMode);
    registerMethod("setResolution", &GameLua::setResolution);
    registerMethod("isInFullScreenMode", &GameLua::isInFullScreenMode);
    registerMethod("getClipboardText", &GameLua::getClipboardText);
    registerMethod("setMousePosition", &GameLua::setMousePosition);
    registerMethod("enableMotion", &GameLua::doNothing);
    registerMethod("isMotionEnabled", &GameLua::isMotionEnabled);
    registerMethod("getDeviceIDHash", &GameLua::getDeviceIDHash);
}

// initGameCenter(...), postHighscore(...), ...: services this platform does not have
void GameLua::doNothing() {}

// isMotionEnabled() -> false
bool GameLua::isMotionEnabled() { return false; }

// getFullScreenWidth() -> 0
int GameLua::getFullScreenWidth() { return 0; }

// getFullScreenHeight() -> 0
int GameLua::getFullScreenHeight() { return 0; }

// getClipboardText() -> text, empty when there is none
std::string GameLua::getClipboardText() { return clipboardText(); }

// getDeviceIDHash() -> the machine identifier, as "uniqueDeviceId"
std::string GameLua::getDeviceIDHash() { return m_deviceId; }

// captureScreen(file): the frame is saved to file as PNG once it is drawn
void GameLua::captureScreen(const std::string& file) { m_screenCapture = file; }

// captureMouse(capture)
void GameLua::captureMouse(bool capture) { m_app.os().setMouseLocked(capture); }

// isMouseCaptured() -> bool
bool GameLua::isMouseCaptured() { return m_app.os().isMouseLocked(); }

// setFullScreenMode(fullScreen)
void GameLua::setFullScreenMode(bool fullScreen) { m_app.os().setFullScreenMode(fullScreen); }

// isInFullScreenMode() -> bool
bool GameLua::isInFullScreenMode() { return m_app.os().isInFullScreenMode(); }

// setResolution(width, height): the window's drawable size in pixels
void GameLua::setResolution(int width, int height) { m_app.os().setResolution(width, height); }

// setMousePosition(x, y) -> whether the cursor moved
bool GameLua::setMousePosition(int x, int y) { return m_app.os().setMousePosition(x, y); }
