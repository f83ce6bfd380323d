// The host end to end: the real SDL window, event loop and renderer module, with a test
// application. Runs with the offscreen driver everywhere and under X when there is a display.
#include "HostHarness.h"
#include "framework/KeyCodes.h"
#include "framework/SingleInstance.h"
#include "lang/DelayedCall.h"
#include "lang/Exception.h"
#include "lang/System.h"
#include "pf/TextInput.h"

#include <SDL_image.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

class HostTest : public HostHarness {};

TEST_P(HostTest, RunsFramesThenShutsDownInOrder) {
    HostRun run;
    EXPECT_EQ(runHost(run), 0);
    EXPECT_EQ(appsMade, 1);
    EXPECT_FALSE(framework::App::instanceExists());
    EXPECT_THAT(
        only({"start", "setActive", "#active", "setForeground", "#foreground", "update", "#frame", "destroyed"}),
        ElementsAre("start", "setActive 1", "#active 1", "setForeground 1", "#foreground 1", "update 0.02 3 320x240",
                    "#frame 0.02", "update 0.02 3 320x240", "#frame 0.02", "update 0.02 3 320x240", "#frame 0.02",
                    "destroyed"));
}

TEST_P(HostTest, FrameTimeIsClampedAndDrivesClockAndDelayedCalls) {
    HostRun run;
    run.fixedDt = 0.5f;
    run.onFrame = [](TestApp& app, gr::Context& context, int frame) {
        app.log(entry("time %.2f", context.time()));
        if (frame == 1)
            lang::DelayedCall::add(0.15f, [&app] { app.log("delayed"); });
    };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_THAT(only({"update", "time", "delayed"}),
                ElementsAre("update 0.1 3 320x240", "time 0.10", "update 0.1 3 320x240", "time 0.20", "delayed",
                            "update 0.1 3 320x240", "time 0.30"));
}

TEST_P(HostTest, InputReachesTheApplicationThenItsChannel) {
    HostRun run;
    run.onFrame = [](TestApp& app, gr::Context&, int frame) {
        if (frame != 1)
            return;
        app.log("pushed");
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_NONE, 1)); // auto-repeat
        push(keyEvent(SDL_KEYUP, SDL_SCANCODE_A, SDLK_a));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_1, SDLK_1));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b, KMOD_LALT)); // a system key: not reported
        push(keyEvent(SDL_KEYUP, SDL_SCANCODE_LALT, SDLK_LALT));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F13, SDLK_F13)); // no engine code
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = 30;
        event.motion.y = 40;
        push(event);
        event = {};
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.button = SDL_BUTTON_LEFT;
        push(event);
        event.button.button = SDL_BUTTON_RIGHT;
        push(event);
        push(windowEvent(SDL_WINDOWEVENT_LEAVE));
        event = {};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = -2;
        push(event);
        event.wheel.x = 1;
        event.wheel.y = 0; // sideways only: ignored
        push(event);
        event = {};
        event.type = SDL_FINGERDOWN;
        event.tfinger.fingerId = 7;
        event.tfinger.x = 0.5f;
        event.tfinger.y = 0.25f;
        push(event);
    };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_THAT(only({"key", "#key", "mouse", "#mouse", "#wheel", "touch", "#touch"}, "pushed"),
                ElementsAreArray(std::vector<std::string>{"keyDown 1",
                                                          "#keyDown 1",
                                                          "keyUp 1",
                                                          "#keyUp 1",
                                                          "keyDown 61",
                                                          "#keyDown 61",
                                                          "keyDown 88",
                                                          "#keyDown 88",
                                                          "keyUp 88",
                                                          "#keyUp 88",
                                                          "mouseMoved 30 40",
                                                          "#mouseMoved 30 40",
                                                          "keyDown 57",
                                                          "#keyDown 57",
                                                          "keyDown 59",
                                                          "#keyDown 59",
                                                          "keyUp 57",
                                                          "#keyUp 57",
                                                          "keyUp 59",
                                                          "#keyUp 59",
                                                          "mouseWheel -2",
                                                          "#wheel -2",
                                                          "touchBegan 7 160 60",
                                                          "#touchBegan 7 160 60"}));
}

TEST_P(HostTest, TypedTextReachesTheActiveTextInput) {
    pf::TextInput input;
    HostRun run;
    run.onFrame = [&input](TestApp&, gr::Context&, int frame) {
        if (frame != 1)
            return;
        input.start("", nullptr);
        SDL_Event text{};
        text.type = SDL_TEXTINPUT;
        std::strcpy(text.text.text, "h\u00E9\U0001F600!");
        push(text);
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, KMOD_NONE, 1)); // held: erases again
        push(keyEvent(SDL_KEYUP, SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE));
        push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER));
        push(text); // the entry has ended: typed into nothing
    };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_EQ(input.text(), "h\u00E9");
    EXPECT_FALSE(input.isActive());
}

TEST_P(HostTest, SizeChangesAreHandledOnceBeforeTheRequestReturns) {
    struct Case {
        float ratio;
        std::function<void(framework::OSInterface&)> request;
        std::string size;   // the new drawable size; empty for the full screen's, whatever it is
        std::string points; // the new window size in points, for the same cases
    };
    const auto resolution = [](framework::OSInterface& os) { os.setResolution(300, 200); };
    const Case cases[] = {
        {1.0f, resolution, "300x200", "300x200"},
        {2.0f, resolution, "300x200", "150x100"},
        {1.5f, resolution, "300x200", "200x133"},
        {1.0f, [](framework::OSInterface& os) { os.setFullScreenMode(true); }, "", ""},
    };
    for (const Case& test : cases) {
        // A shared X server applies a full-screen switch when no other test's window is in the
        // way, which is not the test's to control.
        if (test.size.empty() && GetParam() == std::string("x11"))
            continue;
        log.clear();
        SimulatedScale scale(test.ratio);
        HostRun run;
        run.frames = 2;
        run.onFrame = [&test](TestApp& app, gr::Context& context, int frame) {
            if (frame != 1)
                return;
            test.request(app.os());
            SDL_Window* window = SDL_GL_GetCurrentWindow();
            int width = 0, height = 0;
            SDL_GetWindowSize(window, &width, &height);
            app.log(entry("returned %dx%d %dx%d", context.width(), context.height(), width, height));
            app.log(std::string("title ") + SDL_GetWindowTitle(window));
        };
        EXPECT_EQ(runHost(run), 0);
        const std::vector<std::string> returned = only({"returned"});
        ASSERT_EQ(returned.size(), 1u);
        char size[32] = "", points[32] = "";
        ASSERT_EQ(std::sscanf(returned[0].c_str(), "returned %31s %31s", size, points), 2);
        EXPECT_NE(std::string(size),
                  entry("%dx%d", static_cast<int>(320 * test.ratio), static_cast<int>(240 * test.ratio)));
        if (!test.size.empty()) {
            EXPECT_EQ(returned[0], "returned " + test.size + " " + test.points);
        }
        EXPECT_THAT(only({"update", "resolutionChanged", "#resized", "returned", "title"}, "resolutionChanged"),
                    ElementsAre("resolutionChanged", "#resized", entry("update 0 1 %s", size), returned[0],
                                entry("title Host test (%s)", size), entry("update 0.02 3 %s", size)))
            << test.ratio << " " << testing::PrintToString(log);
    }
}

TEST_P(HostTest, ScaledDisplaysReportPositionsInDrawablePixels) {
    if (GetParam() == std::string("x11"))
        GTEST_SKIP() << "the pointer of a shared X server is moved by other tests";
    // The 320 x 240 point window; the locked mouse is at (170, 120) points, 10 right of centre.
    const std::pair<float, std::vector<std::string>> cases[] = {
        {2.0f, {"title Host test (640x480)", "mouseMoved 20 42", "touchBegan 7 320 120", "mouseMoved 20 0"}},
        {1.5f, {"title Host test (480x360)", "mouseMoved 15 31", "touchBegan 7 240 90", "mouseMoved 15 0"}},
    };
    for (const auto& [ratio, expected] : cases) {
        log.clear();
        SimulatedScale scale(ratio);
        HostRun run;
        run.onFrame = [](TestApp& app, gr::Context&, int frame) {
            SDL_Event event{};
            event.type = SDL_MOUSEMOTION;
            if (frame == 1) {
                app.log("pushed");
                app.log(std::string("title ") + SDL_GetWindowTitle(SDL_GL_GetCurrentWindow()));
                event.motion.x = 10;
                event.motion.y = 21;
                push(event);
                SDL_Event finger{};
                finger.type = SDL_FINGERDOWN;
                finger.tfinger.fingerId = 7;
                finger.tfinger.x = 0.5f;
                finger.tfinger.y = 0.25f;
                push(finger);
            } else if (frame == 2) {
                app.os().setMouseLocked(true);
                event.motion.x = 170;
                event.motion.y = 120;
                push(event);
            } else {
                app.log("end");
            }
        };
        EXPECT_EQ(runHost(run), 0);
        std::vector<std::string> seen = only({"title", "mouseMoved", "touchBegan", "end"}, "pushed");
        seen.erase(std::find(seen.begin(), seen.end(), "end"), seen.end());
        EXPECT_EQ(seen, expected) << ratio;
    }
}

TEST_P(HostTest, OrientationTurnsContextAndPositions) {
    HostRun run;
    run.onFrame = [](TestApp& app, gr::Context& context, int frame) {
        if (frame == 1) {
            app.os().setOrientation(1);
            app.log(entry("size %dx%d", context.width(), context.height()));
            SDL_Event event{};
            event.type = SDL_MOUSEMOTION;
            event.motion.x = 10;
            event.motion.y = 20;
            push(event);
        }
    };
    EXPECT_EQ(runHost(run), 0);
    // In orientation 1 (x, y) becomes (y, height - x); the context is now 240 x 320.
    EXPECT_THAT(only({"orientationChanged", "resolutionChanged", "size", "mouseMoved 20"}),
                ElementsAre("orientationChanged", "resolutionChanged", "size 240x320", "mouseMoved 20 310"));
}

TEST_P(HostTest, QuitRequestsEndTheRunWithTheirCode) {
    HostRun run;
    run.frames = 10;
    run.onFrame = [](TestApp& app, gr::Context&, int frame) {
        if (frame == 2)
            app.requestQuit(7);
    };
    EXPECT_EQ(runHost(run), 7);
    EXPECT_EQ(only({"update"}).size(), 2u);
}

TEST_P(HostTest, CloseAndAltF4Quit) {
    for (const SDL_Event& quit :
         {windowEvent(SDL_WINDOWEVENT_CLOSE), keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F4, SDLK_F4, KMOD_LALT)}) {
        log.clear();
        HostRun run;
        run.frames = 10;
        run.onFrame = [&quit](TestApp&, gr::Context&, int frame) {
            if (frame == 1)
                push(quit);
        };
        EXPECT_EQ(runHost(run), 0);
        EXPECT_EQ(only({"update"}).size(), 1u) << testing::PrintToString(log);
        EXPECT_TRUE(only({"keyDown"}).empty());
    }
}

TEST_P(HostTest, NoFramesRunWhileInactive) {
    // Only runs without --frames pause, and under a shared X server the real focus goes to
    // whichever test window appeared last: the offscreen driver has no focus of its own.
    if (GetParam() == std::string("x11"))
        GTEST_SKIP() << "the focus of a shared X server is not the test's to control";
    HostRun run;
    run.frames.reset();
    std::thread later;
    run.onFrame = [&later](TestApp& app, gr::Context&, int frame) {
        app.log("frame");
        if (frame == 3)
            app.requestQuit(0);
        if (frame == 1) {
            push(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
            later = std::thread([] {
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                push(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
            });
        }
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(runHost(run), 0);
    later.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    EXPECT_THAT(only({"frame", "setActive", "#active", "setForeground", "#foreground"}),
                ElementsAre("setActive 1", "#active 1", "setForeground 1", "#foreground 1", "frame", "setActive 0",
                            "#active 0", "setForeground 0", "#foreground 0", "setActive 1", "#active 1",
                            "setForeground 1", "#foreground 1", "frame", "frame"));
}

// A run of `frames` frames at real time under a frame cap of `framerate`.
HostRun cappedRun(int frames, int framerate) {
    HostRun run;
    run.frames = frames;
    run.fixedDt.reset();
    run.configure = [framerate](framework::Configuration& configuration, framework::OSInterface&) {
        configuration.framerate = framerate;
    };
    return run;
}

TEST_P(HostTest, FrameCapSleepsTheRestOfEachFrame) {
    HostRun run = cappedRun(6, 50);
    std::vector<std::int64_t> starts;
    run.onFrame = [&starts](TestApp&, gr::Context&, int) { starts.push_back(lang::System::currentTimeMicros()); };
    EXPECT_EQ(runHost(run), 0);
    ASSERT_EQ(starts.size(), 6u);
    // Each frame sleeps (the update may start a few milliseconds into its frame under load), and
    // the frames keep to 20 ms on average: a wrong budget (16.7 ms, say) falls short of 95 ms.
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_GE(starts[i] - starts[i - 1], 12000) << i;
    EXPECT_GE(starts.back() - starts.front(), 95000);
}

TEST_P(HostTest, TheLastFrameIsNotHeldBackByTheFrameCap) {
    HostRun run = cappedRun(1, 1);
    std::int64_t frameStart = 0;
    run.onFrame = [&frameStart](TestApp&, gr::Context&, int) { frameStart = lang::System::currentTimeMicros(); };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_LT(lang::System::currentTimeMicros() - frameStart, 500000); // a held frame would end a second on
}

TEST_P(HostTest, FatalErrorsAreReportedAndTheRunShutsDown) {
    struct Failure {
        std::function<void()> raise;
        std::string report;
    };
    const Failure failures[] = {
        {[] { throw lang::Exception(lang::Format("Boom {0}", 3)); }, "Boom 3"},
        {[] { throw std::runtime_error("standard boom"); }, "standard boom"},
        {[] { throw 42; }, "Unknown exception happened"},
    };
    for (const Failure& failure : failures) {
        log.clear();
        ErrorRecorder errors;
        HostRun run;
        run.onFrame = [&failure](TestApp&, gr::Context&, int frame) {
            if (frame == 2)
                failure.raise();
        };
        EXPECT_EQ(runHost(run), 1);
        EXPECT_THAT(errors.errors, ElementsAre(failure.report));
        EXPECT_EQ(log.back(), "destroyed");
        EXPECT_FALSE(framework::App::instanceExists());
    }
}

TEST_P(HostTest, ConfigurationFailuresAreReportedToo) {
    ErrorRecorder errors;
    HostRun run;
    run.configure = [](framework::Configuration&, framework::OSInterface&) {
        throw lang::Exception(lang::Format("Failed to open {0}", "config.lua"));
    };
    EXPECT_EQ(runHost(run), 1);
    EXPECT_EQ(appsMade, 0);
    EXPECT_THAT(errors.errors, ElementsAre("Failed to open config.lua"));
}

TEST_P(HostTest, RendererFailureEndsTheRunBeforeTheApplication) {
    ErrorRecorder errors;
    HostRun run;
    run.configure = [](framework::Configuration& configuration, framework::OSInterface&) {
        configuration.renderers = {gr::RendererKind::Gles2, gr::RendererKind::Gl1};
    };
    EXPECT_EQ(runHost(run), 1);
    EXPECT_EQ(appsMade, 0);
    ASSERT_FALSE(errors.errors.empty());
    EXPECT_EQ(errors.errors.back(), "OpenGL ES 2.0 renderer not supported!\nOpenGL 1.4 renderer not supported!\n");

    errors.errors.clear();
    run.configure = [](framework::Configuration& configuration, framework::OSInterface&) {
        configuration.renderers.clear();
    };
    EXPECT_EQ(runHost(run), 1);
    EXPECT_THAT(errors.errors, ElementsAre("No renderer defined!"));
}

TEST_P(HostTest, ScreenshotHoldsTheLastFrame) {
    const std::string file = "/tmp/tumble-host-test-" + std::to_string(getpid()) + ".png";
    HostRun run;
    run.screenshot = file;
    EXPECT_EQ(runHost(run), 0);
    SDL_Surface* picture = IMG_Load(file.c_str());
    ASSERT_NE(picture, nullptr) << IMG_GetError();
    EXPECT_EQ(picture->w, 320);
    EXPECT_EQ(picture->h, 240);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(*static_cast<Uint32*>(picture->pixels), picture->format, &r, &g, &b);
    EXPECT_EQ(b, 3 * 40); // the test application clears frame n with blue n * 40
    SDL_FreeSurface(picture);
    std::remove(file.c_str());
}

TEST_P(HostTest, ConfigurationArgumentSetsTheWorkingDirectory) {
    const std::filesystem::path before = std::filesystem::current_path();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tumble-host-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::fclose(std::fopen((folder / "config.lua").c_str(), "w"));
    HostRun run;
    run.arguments = {"host-test", (folder / "config.lua").string()};
    std::filesystem::path seen;
    std::vector<std::string> arguments;
    run.configure = [&](framework::Configuration&, framework::OSInterface& os) {
        seen = std::filesystem::current_path();
        arguments = os.arguments();
    };
    EXPECT_EQ(runHost(run), 0);
    std::filesystem::current_path(before);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(seen, folder);
    EXPECT_THAT(arguments, ElementsAre("host-test", (folder / "config.lua").string()));
}

TEST_P(HostTest, SecondInstanceGivesWayToTheFirst) {
    const std::string program = "host-test-" + std::to_string(getpid()) + "-" + GetParam();
    bool raised = false;
    framework::SingleInstance first(program, [&raised] { raised = true; });
    ASSERT_TRUE(first.acquired());
    HostRun run;
    run.arguments = {program};
    run.configure = [](framework::Configuration& configuration, framework::OSInterface&) {
        configuration.singleton = true;
    };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_EQ(appsMade, 0);
    for (int wait = 0; wait < 100 && !raised; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(raised);
}

TEST_P(HostTest, AutomatedRunsKeepRunningWithoutTheFocus) {
    HostRun run;
    run.onFrame = [](TestApp&, gr::Context&, int frame) {
        if (frame == 1) {
            push(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
            push(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
        }
    };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_EQ(only({"update"}).size(), 3u);
    EXPECT_THAT(only({"setActive"}), ElementsAre("setActive 1"));
}

TEST_P(HostTest, AutomatedRunsKeepRunningWhenTheApplicationPauses) {
    // Were the loop to wait for a resume, only the watchdog's quit would end the run.
    std::atomic<bool> done = false;
    std::thread watchdog([&done] {
        for (int wait = 0; wait < 300 && !done; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!done)
            push(SDL_Event{SDL_QUIT});
    });
    HostRun run;
    run.onFrame = [](TestApp& app, gr::Context&, int frame) {
        if (frame == 1)
            app.os().pause();
    };
    EXPECT_EQ(runHost(run), 0);
    done = true;
    watchdog.join();
    EXPECT_THAT(only({"update", "setActive"}), ElementsAre("setActive 1", "update 0.02 3 320x240", "setActive 0",
                                                           "update 0.02 3 320x240", "update 0.02 3 320x240"));
}

TEST_P(HostTest, FullScreenSwitchReturnsToTheSamePlace) {
    // The display server takes its time: each step waits, frame by frame, until it shows.
    HostRun run;
    run.frames = 1000;
    SDL_Rect before{}, during{};
    bool fullScreen = false;
    bool returned = false;
    int step = 0;
    run.onFrame = [&](TestApp& app, gr::Context&, int) {
        SDL_Window* window = SDL_GL_GetCurrentWindow();
        SDL_Rect now{};
        SDL_GetWindowPosition(window, &now.x, &now.y);
        SDL_GetWindowSize(window, &now.w, &now.h);
        const auto altReturn = [] { push(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT)); };
        if (step == 0) {
            before = now;
            altReturn();
            step = 1;
        } else if (step == 1 && now.w != before.w) {
            during = now;
            fullScreen = app.os().isInFullScreenMode();
            altReturn();
            step = 2;
        } else if (step == 2 && SDL_RectEquals(&now, &before)) {
            returned = !app.os().isInFullScreenMode();
            app.requestQuit(0);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    EXPECT_EQ(runHost(run), 0);
    EXPECT_TRUE(fullScreen);
    EXPECT_GT(during.w, before.w);
    EXPECT_TRUE(returned) << "the window did not come back to " << before.x << "," << before.y << " " << before.w << "x"
                          << before.h;
    EXPECT_TRUE(only({"keyDown"}).empty());
}

INSTANTIATE_TEST_SUITE_P(Drivers, HostTest, testing::ValuesIn(kHostDrivers));

} // namespace
