#include "framework/sdl/SdlHost.h"

#include "framework/AppDataFolder.h"
#include "framework/FramePacing.h"
#include "framework/HostEvents.h"
#include "framework/WindowTitle.h"
#include "framework/sdl/OSSdl.h"
#include "framework/sdl/WindowPixels.h"
#include "io/VirtualFileSystem.h"
#include "lang/DelayedCall.h"
#include "lang/Exception.h"
#include "lang/Log.h"
#include "lang/System.h"
#include "lang/Thread.h"
#include "lang/Throwable.h"
#include "renderer/ModuleLoader.h"

#include <cstdio>
#include <filesystem>

namespace framework::sdl {
namespace {

// Renderer modules are looked for beside the executable when no folder is configured.
std::string executableDirectory() {
    char* base = SDL_GetBasePath();
    const std::string directory = base ? base : "";
    SDL_free(base);
    return directory;
}

} // namespace

SdlHost::SdlHost(const CommandLine& commandLine, const Application& application)
    : m_commandLine(commandLine), m_application(application) {}

SdlHost::~SdlHost() {
    shutDown();
    if (m_sdlStarted)
        SDL_Quit();
}

int SdlHost::run() {
    // Failures anywhere in the run, the configuration reader included, end it with a report
    // rather than ending the process unannounced.
    try {
        return hostMain();
    } catch (const lang::Throwable& e) {
        showFatalError(e.message());
    } catch (const std::exception& e) {
        showFatalError(e.what());
    } catch (...) {
        showFatalError("Unknown exception happened");
    }
    shutDown();
    return 1;
}

int SdlHost::hostMain() {
    if (isReplaying())
        m_replay = readReplay(m_commandLine.replay);
    // The game folder becomes the working directory: the file named from where the run started
    // must stay the one written.
    if (!m_commandLine.record.empty())
        m_commandLine.record = std::filesystem::absolute(m_commandLine.record).string();
    const RunOptions options{runSeed(m_commandLine), m_commandLine.level,
                             isReplaying() || !m_commandLine.record.empty()};
    m_os = std::make_unique<OSSdl>(m_commandLine.arguments, options, *this);
    if (m_commandLine.arguments.size() > 1) {
        const std::string error = enterConfigurationFolder(m_commandLine.arguments[1]);
        if (!error.empty()) {
            std::fprintf(stderr, "%s: %s\n", m_commandLine.arguments[0].c_str(), error.c_str());
            return 1;
        }
    }
    const std::string workingDirectory = std::filesystem::current_path().string();
    if (m_application.readConfiguration)
        m_application.readConfiguration(m_configuration, *m_os);

    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        reportWindowFailure();
        return 1;
    }
    m_sdlStarted = true;
    m_raiseEvent = SDL_RegisterEvents(1);

    if (m_configuration.singleton) {
        const Uint32 raise = m_raiseEvent;
        m_singleInstance = std::make_unique<SingleInstance>(m_commandLine.arguments.at(0), [raise] {
            SDL_Event event{};
            event.type = raise;
            SDL_PushEvent(&event);
        });
        if (!m_singleInstance->acquired())
            return 0;
    }

    m_cursors = std::make_unique<CursorTable>();
    if (m_configuration.showCursor)
        m_currentCursor = m_cursors->find("DEFAULT");
    io::setAppDataPath(applicationDataFolder(workingDirectory, m_configuration.publisher, m_configuration.product));
    m_mouseLocked = m_configuration.mouseLocked;
    m_fullScreen = m_configuration.fullScreen;

    if (!createWindow()) {
        reportWindowFailure();
        return 1;
    }
    startApplication();
    mainLoop();
    printExitReports();
    shutDown();
    return m_quitCode;
}

bool SdlHost::createWindow() {
    m_windowed = {0, 0, m_configuration.width, m_configuration.height};
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (m_fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    m_window = SDL_CreateWindow("Loading...", 0, 0, m_configuration.width, m_configuration.height, flags);
    if (!m_window)
        return false;
    if (m_fullScreen)
        SDL_SetWindowGrab(m_window, SDL_TRUE);
    applyCursor();
    // Typed text reaches the active text input through SDL's text events. Desktop SDL2 sends them
    // from the start; asked for here so that nothing depends on that default.
    SDL_StartTextInput();
    // Showing the window activates it at once on other platforms: take that in before the
    // application exists, so that it starts active.
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) > 0)
        handleWindowEvent(event.window);
    return true;
}

void SdlHost::startApplication() {
    const SDL_Point size = pixels::drawableSize(m_window);
    const std::string& directory = m_configuration.rendererDirectory;
    m_context = gr::createContext(m_configuration.renderers, directory.empty() ? executableDirectory() : directory,
                                  {size.x, size.y, m_configuration.orientation, m_window, nullptr});
    m_app = m_application.createApp(*m_os, *m_context);
    m_app->start();
    updateTitle();
    // Activation events that came before the application existed were not delivered to it. Both
    // record and replay runs start with this activation, so the replay does not hold it.
    input::activate(*m_app, m_active);
    if (!m_commandLine.record.empty())
        m_recorder = std::make_unique<ReplayRecorder>(m_commandLine.record);
    // A replay holds the mouse position its recording started from.
    if (!m_mouseLocked && !isReplaying()) {
        int x = 0;
        int y = 0;
        int windowX = 0;
        int windowY = 0;
        SDL_GetGlobalMouseState(&x, &y);
        SDL_GetWindowPosition(m_window, &windowX, &windowY);
        const SDL_Point position = pixels::fromPoints(m_window, x - windowX, y - windowY);
        input::moveMouse(*m_app, contextView(), position.x, position.y, false, 0, 0);
    }
}

void SdlHost::mainLoop() {
    std::int64_t previous = lang::System::currentTimeMicros();
    while (!m_quitPosted) {
        // Inactive: block until something happens. Active: frames run only when no event waits.
        SDL_Event event;
        if (!m_active) {
            if (!SDL_WaitEvent(&event))
                throw lang::Exception(lang::Format("Waiting for window events failed: {0}", SDL_GetError()));
            handleEvent(event);
            continue;
        }
        if (SDL_PollEvent(&event)) {
            handleEvent(event);
            continue;
        }
        const std::int64_t frameStart = lang::System::currentTimeMicros();
        const float dt = m_commandLine.fixedDt.value_or(pacing::dtBetween(previous, frameStart));
        previous = frameStart;
        frameStep(dt);
        // The frame cap spaces frames apart: after the last one there is nothing to space.
        if (!m_quitPosted)
            pacing::waitForFrameEnd(frameStart, pacing::frameBudgetMicros(m_configuration.framerate),
                                    &lang::System::currentTimeMicros, [] { lang::Thread::sleep(1); });
    }
}

void SdlHost::frameStep(float dt) {
    if (!m_app)
        return;
    if (isReplayOver()) {
        postQuit(0);
        return;
    }
    if (m_mouseLocked) {
        if (!m_context->isReady() || m_app->isQuitRequested()) {
            SDL_CaptureMouse(SDL_FALSE);
        } else {
            const SDL_Point size = pixels::drawableSize(m_window);
            const SDL_Point centre = pixels::toPoints(m_window, size.x / 2, size.y / 2);
            SDL_CaptureMouse(SDL_TRUE);
            SDL_WarpMouseInWindow(m_window, centre.x, centre.y);
        }
    }
    if (!m_context->isReady())
        return;
    dt = replayStep(pacing::clampDt(dt));
    m_context->setTime(m_context->time() + dt);
    lang::DelayedCall::tick(dt);
    const std::int64_t updateStart = lang::System::currentTimeMicros();
    m_app->update(dt, *m_context, 3);
    if (m_commandLine.frameStats)
        m_frameStats.add(lang::System::currentTimeMicros() - updateStart);
    lang::event::fire(events::kFrame, dt, m_context.get());
    ++m_framesRun;
    if (m_app->isQuitRequested()) {
        SDL_CaptureMouse(SDL_FALSE);
        postQuit(m_app->quitCode());
    } else if ((m_commandLine.frames && m_framesRun >= *m_commandLine.frames) || isReplayOver()) {
        postQuit(0);
    }
}

float SdlHost::replayStep(float dt) {
    if (isReplaying()) {
        const ReplayFrame& frame = m_replay[m_replayed++];
        applyReplayFrame(*m_app, frame);
        if (!m_commandLine.fixedDt)
            dt = pacing::clampDt(frame.dt);
    }
    if (m_recorder)
        m_recorder->frame(dt);
    return dt;
}

void SdlHost::printExitReports() {
    if (m_commandLine.stateHash) {
        if (const auto hash = m_app ? m_app->stateHash() : std::nullopt)
            std::printf("state hash: %016llx\n", static_cast<unsigned long long>(*hash));
        else
            LOG_ERROR("Host", "The application has no state hash");
    }
    if (m_commandLine.frameStats)
        std::printf("%s\n", m_frameStats.summary().c_str());
    std::fflush(stdout);
}

void SdlHost::shutDown() {
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (m_context && m_framesRun > 0 && !m_commandLine.screenshot.empty()) {
        try {
            m_context->saveScreen(m_commandLine.screenshot);
        } catch (const lang::Throwable& e) {
            LOG_ERROR("Host", "%s", e.what());
        }
    }
    if (m_window)
        SDL_SetWindowGrab(m_window, SDL_FALSE);
    m_configuration = Configuration();
    m_app.reset();
    m_context = nullptr;
    if (m_window)
        SDL_DestroyWindow(m_window);
    m_window = nullptr;
    m_cursors.reset();
    m_singleInstance.reset();
}

void SdlHost::reportWindowFailure() {
    LOG_ERROR("Host", "Failed to create main window: %s", SDL_GetError());
    if (!isAutomated(m_commandLine))
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", "Failed to create main window", nullptr);
}

void SdlHost::showFatalError(const std::string& message) {
    m_errorShown = true;
    LOG_ERROR("Host", "%s", message.c_str());
    if (m_window && m_fullScreen) {
        SDL_SetWindowFullscreen(m_window, 0);
        SDL_SetWindowSize(m_window, 4, 4);
        SDL_SetWindowPosition(m_window, 0, 0);
        SDL_SetWindowGrab(m_window, SDL_FALSE);
    }
    // An automated run has nobody to close a box: the log line above is its report.
    if (!isAutomated(m_commandLine))
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error!", message.c_str(), m_window);
}

input::ContextView SdlHost::contextView() const { return input::ContextView::of(*m_context); }

void SdlHost::updateTitle() {
    const SDL_Point size = pixels::drawableSize(m_window);
    SDL_SetWindowTitle(m_window, windowTitle(m_configuration.name, size.x, size.y).c_str());
}

} // namespace framework::sdl
