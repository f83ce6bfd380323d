#pragma once

#include "framework/FrameStats.h"
#include "framework/Host.h"
#include "framework/Input.h"
#include "framework/Replay.h"
#include "framework/ReplayRecorder.h"
#include "framework/SingleInstance.h"
#include "framework/sdl/CursorTable.h"
#include "lang/Ref.h"
#include "renderer/Context.h"

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

namespace framework::sdl {

class OSSdl;

/// The host on SDL2: the window, the event loop that stands in for the window procedure, frame
/// pacing and the shut-down sequence. One per run, on the main thread.
class SdlHost {
public:
    SdlHost(const CommandLine& commandLine, const Application& application);
    ~SdlHost();
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    /// The host main; returns the exit code.
    int run();

    // What `OSSdl` offers the application (see `framework::OSInterface`).
    void setResolution(int width, int height);
    void setOrientation(int orientation);
    void pause();
    void resume();
    void setFullScreen(bool fullScreen);
    bool isFullScreen() const { return m_fullScreen; }
    void setMouseLocked(bool locked);
    bool isMouseLocked() const { return m_mouseLocked; }
    void setCursor(const std::string& name);

private:
    // Host main, in parts.
    int hostMain();
    bool createWindow();
    void startApplication();
    void mainLoop();
    void frameStep(float dt);
    /// Feeds or records the frame's input before its update, which gets `dt`; returns the dt
    /// the update gets (a replay's own unless `--fixed-dt`).
    float replayStep(float dt);
    /// Prints what `--state-hash` and `--frame-stats` ask for, while the application exists.
    void printExitReports();
    /// Whether input comes from the replay file rather than the window.
    bool isReplaying() const { return !m_commandLine.replay.empty(); }
    /// Whether a replay run has run every frame of its replay.
    bool isReplayOver() const { return isReplaying() && m_replayed == m_replay.size(); }
    void shutDown();
    void reportWindowFailure();
    void showFatalError(const std::string& message);

    // The window procedure (SdlHostEvents.cpp).
    void handleEvent(const SDL_Event& event);
    void handleWindowEvent(const SDL_WindowEvent& event);
    void handleKey(const SDL_KeyboardEvent& key);
    void handleActivation(bool active);
    void handleSize();
    // Handles at once the size change that a window request of the host has just made.
    void handleRequestedSize();
    void handleTouch(const SDL_TouchFingerEvent& finger, input::TouchPhase phase);
    // Ends the main loop at its next turn with `code` as the exit code.
    void postQuit(int code);

    void applyCursor();
    void updateTitle();
    input::ContextView contextView() const;

    CommandLine m_commandLine;
    Application m_application;
    Configuration m_configuration;
    std::unique_ptr<OSSdl> m_os;
    std::unique_ptr<SingleInstance> m_singleInstance;
    std::unique_ptr<CursorTable> m_cursors;
    SDL_Cursor* m_currentCursor = nullptr;
    SDL_Window* m_window = nullptr;
    lang::Ref<gr::Context> m_context;
    std::unique_ptr<App> m_app;
    Uint32 m_raiseEvent = 0;
    bool m_sdlStarted = false;
    bool m_active = false;
    bool m_fullScreen = false;
    bool m_mouseLocked = false;
    bool m_errorShown = false;
    bool m_shutDown = false;
    bool m_quitPosted = false;
    SDL_Rect m_windowed{};
    int m_quitCode = 0;
    int m_framesRun = 0;
    std::vector<ReplayFrame> m_replay;
    size_t m_replayed = 0;
    std::unique_ptr<ReplayRecorder> m_recorder;
    FrameStats m_frameStats;
};

} // namespace framework::sdl
