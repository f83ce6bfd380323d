// What the application asks of the window through its OSInterface: cursors and the mouse lock.
// These need a display server (X11): SDL's offscreen driver has neither cursors nor a pointer.
#include "HostHarness.h"
#include "lang/Exception.h"

#include <SDL_image.h>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

using testing::ElementsAre;

class HostWindowTest : public HostHarness {};

TEST_P(HostWindowTest, CursorsByNameAndFromFiles) {
    const std::string file = "/tmp/tumble-cursor-" + std::to_string(getpid()) + ".png";
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(image, nullptr, SDL_MapRGBA(image->format, 255, 0, 0, 255));
    ASSERT_EQ(IMG_SavePNG(image, file.c_str()), 0);
    SDL_FreeSurface(image);

    HostRun run;
    run.frames = 1;
    run.onFrame = [&file](TestApp& app, gr::Context&, int) {
        app.os().setCursor("EMPTY");
        app.log(entry("shown %d", SDL_ShowCursor(SDL_QUERY)));
        app.os().setCursor("DEFAULT");
        app.log(entry("shown %d", SDL_ShowCursor(SDL_QUERY)));
        app.os().setCursor(file);
        SDL_Cursor* loaded = SDL_GetCursor();
        app.os().setCursor(file); // from the table the second time
        app.log(entry("same %d", SDL_GetCursor() == loaded));
        try {
            app.os().setCursor("no-such-cursor.cur");
        } catch (const lang::Exception& e) {
            app.log(e.what());
        }
        app.log(entry("kept %d", SDL_GetCursor() == loaded));
    };
    EXPECT_EQ(runHost(run), 0);
    std::remove(file.c_str());
    EXPECT_THAT(
        only({"shown", "same", "Setting", "kept"}),
        ElementsAre("shown 0", "shown 1", "same 1", "Setting cursor \"no-such-cursor.cur\" failed! Code: 2", "kept 1"));
}

TEST_P(HostWindowTest, LockedMouseIsHeldAtTheCentreAndReportedFromIt) {
    // With 2 pixels per point the centre is taken from the drawable, 640 x 480 pixels, and the
    // pointer goes to the window point that shows it.
    for (float ratio : {1.0f, 2.0f}) {
        log.clear();
        SimulatedScale scale(ratio);
        // The pointer moves when the display server gets to it: the run ends once it has.
        HostRun run;
        run.frames = 1000;
        run.onFrame = [this](TestApp& app, gr::Context&, int frame) {
            if (frame == 1) {
                EXPECT_TRUE(app.os().setMouseLocked(true));
                app.log(entry("locked %d shown %d", app.os().isMouseLocked(), SDL_ShowCursor(SDL_QUERY)));
            } else if (const auto moves = only({"mouseMoved"}, "locked 1 shown 0");
                       !moves.empty() && moves.back() == "mouseMoved 0 0") {
                app.requestQuit(0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        };
        EXPECT_EQ(runHost(run), 0);
        // Once the pointer has been put at the centre, it is reported there as (0, 0).
        const auto moves = only({"mouseMoved"}, "locked 1 shown 0");
        ASSERT_FALSE(moves.empty()) << ratio;
        EXPECT_EQ(moves.back(), "mouseMoved 0 0") << ratio << testing::PrintToString(log);
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, HostWindowTest, testing::Values("x11"));

} // namespace
