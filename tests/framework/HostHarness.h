#pragma once

// Runs the real host in this process with a test application that writes every call it gets,
// and every host event channel, into one log, so tests can check what arrived and in which
// order. Channel entries start with '#'.
#include "framework/App.h"
#include "framework/Host.h"
#include "framework/HostEvents.h"
#include "framework/sdl/WindowPixels.h"
#include "lang/Log.h"
#include "renderer/Context.h"

#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

inline const char* const kHostDrivers[] = {"offscreen", "x11"};

inline std::string skipReason(const std::string& driver) {
    if (driver == "x11" && !std::getenv("DISPLAY"))
        return "DISPLAY is not set: run under xvfb-run for the X11 tests";
    return {};
}

template <class... Args> std::string entry(const char* format, Args... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

class TestApp;

// Sizes are drawable pixels: a test display is never scaled, so the host is made to see
// `ratio` pixels per window point for the length of the object's life.
class SimulatedScale {
public:
    explicit SimulatedScale(float ratio) { framework::sdl::pixels::simulateRatio(ratio); }
    ~SimulatedScale() { framework::sdl::pixels::simulateRatio(0.0f); }
};

// What one run does.
struct HostRun {
    std::vector<std::string> arguments{"host-test"};
    std::optional<int> frames = 3;
    std::optional<float> fixedDt = 0.02f;
    std::string screenshot;
    // Called after the harness has chosen the renderer, before the window exists.
    std::function<void(framework::Configuration&, framework::OSInterface&)> configure;
    // Called in every frame of the main loop (mode 3), numbered from 1, before drawing.
    std::function<void(TestApp&, gr::Context&, int)> onFrame;
};

class TestApp : public framework::App {
public:
    TestApp(framework::OSInterface& os, std::vector<std::string>& log, const HostRun& run)
        : App(os), m_log(log), m_run(run) {}
    ~TestApp() override { m_log.push_back("destroyed"); }

    void start() override { m_log.push_back("start"); }
    void update(float dt, gr::Context& context, int mode) override {
        m_log.push_back(entry("update %g %d %dx%d", dt, mode, context.width(), context.height()));
        if (mode == 3 && ++m_frame && m_run.onFrame)
            m_run.onFrame(*this, context, m_frame);
        context.beginScene();
        context.clear(0xFF000000u | static_cast<std::uint32_t>(m_frame) * 40);
        context.endScene();
        context.present();
        context.endFrame();
    }
    void keyDown(int code) override { m_log.push_back(entry("keyDown %d", code)); }
    void keyUp(int code) override { m_log.push_back(entry("keyUp %d", code)); }
    void orientationChanged() override { m_log.push_back("orientationChanged"); }
    void resolutionChanged() override { m_log.push_back("resolutionChanged"); }
    void mouseMoved(int x, int y) override { m_log.push_back(entry("mouseMoved %d %d", x, y)); }
    void mouseWheel(int steps) override { m_log.push_back(entry("mouseWheel %d", steps)); }
    void touchBegan(const framework::TouchPoint& p) override {
        App::touchBegan(p);
        m_log.push_back(entry("touchBegan %u %d %d", p.id, p.x, p.y));
    }
    void setActive(bool active) override {
        App::setActive(active);
        m_log.push_back(entry("setActive %d", active));
    }
    bool setForeground(bool foreground) override {
        m_log.push_back(entry("setForeground %d", foreground));
        return true;
    }

    void log(const std::string& text) { m_log.push_back(text); }

private:
    std::vector<std::string>& m_log;
    const HostRun& m_run;
    int m_frame = 0;
};

// Error records of the log, for the fatal-error reports.
class ErrorRecorder : public lang::log::Listener {
public:
    void log(const lang::log::Record& record) override {
        if (record.level == lang::log::Error)
            errors.push_back(record.message);
    }
    std::vector<std::string> errors;
};

class HostHarness : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (const std::string reason = skipReason(GetParam()); !reason.empty())
            GTEST_SKIP() << reason;
        using namespace framework::events;
        auto record = [this](std::string text) { log.push_back("#" + text); };
        m_links = {
            lang::event::subscribe(kKeyDown, [=](int code) { record(entry("keyDown %d", code)); }),
            lang::event::subscribe(kKeyUp, [=](int code) { record(entry("keyUp %d", code)); }),
            lang::event::subscribe(kMouseMoved, [=](int x, int y) { record(entry("mouseMoved %d %d", x, y)); }),
            lang::event::subscribe(kWheel, [=](int steps) { record(entry("wheel %d", steps)); }),
            lang::event::subscribe(
                kTouchBegan, [=](framework::TouchPoint p) { record(entry("touchBegan %u %d %d", p.id, p.x, p.y)); }),
            lang::event::subscribe(kActive, [=](bool active) { record(entry("active %d", active)); }),
            lang::event::subscribe(kForeground, [=](bool foreground) { record(entry("foreground %d", foreground)); }),
            lang::event::subscribe(kResized, [=] { record("resized"); }),
            lang::event::subscribe(kFrame, [=](float dt, gr::Context*) { record(entry("frame %g", dt)); }),
        };
    }
    void TearDown() override { m_links.clear(); }

    // Runs the host as `run` says; returns its exit code.
    int runHost(const HostRun& run) {
        framework::CommandLine commandLine;
        commandLine.arguments = run.arguments;
        commandLine.frames = run.frames;
        commandLine.fixedDt = run.fixedDt;
        commandLine.screenshot = run.screenshot;
        framework::Application application{[&run](framework::Configuration& configuration, framework::OSInterface& os) {
                                               configuration.name = "Host test";
                                               configuration.width = 320;
                                               configuration.height = 240;
                                               configuration.renderers = {gr::RendererKind::Gl2};
                                               configuration.rendererDirectory = TUMBLE_BIN_DIR;
                                               if (run.configure)
                                                   run.configure(configuration, os);
                                           },
                                           [this, &run](framework::OSInterface& os, gr::Context&) {
                                               appsMade++;
                                               return std::make_unique<TestApp>(os, log, run);
                                           }};
        SDL_SetHint(SDL_HINT_VIDEODRIVER, GetParam()); // each run's SDL_Quit clears the hints
        return framework::run(commandLine, application);
    }

    // The entries of the log that start with one of `prefixes`, in order; only those after the
    // entry `after` when one is given.
    std::vector<std::string> only(std::initializer_list<std::string> prefixes, const std::string& after = {}) const {
        std::vector<std::string> kept;
        auto first = after.empty() ? log.begin() : std::find(log.begin(), log.end(), after);
        for (const std::string& line : std::vector<std::string>(first, log.end())) {
            for (const std::string& prefix : prefixes) {
                if (line.rfind(prefix, 0) == 0) {
                    kept.push_back(line);
                    break;
                }
            }
        }
        return kept;
    }

    std::vector<std::string> log;
    int appsMade = 0;

private:
    std::vector<lang::Ref<lang::event::Link>> m_links;
};

inline void push(const SDL_Event& event) {
    SDL_Event copy = event;
    SDL_PushEvent(&copy);
}

inline SDL_Event keyEvent(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE,
                          Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
}

inline SDL_Event windowEvent(Uint8 what, int data1 = 0, int data2 = 0) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    event.window.data1 = data1;
    event.window.data2 = data2;
    return event;
}
