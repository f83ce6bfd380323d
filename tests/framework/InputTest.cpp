#include "framework/Input.h"
#include "FakeContext.h"
#include "NullOS.h"
#include "framework/HostEvents.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using framework::TouchPoint;
using testing::ElementsAre;
namespace input = framework::input;

// Writes application calls and, prefixed with '#', channel events into one log.
class RecordingApp : public framework::App {
public:
    RecordingApp(framework::OSInterface& os, std::vector<std::string>& log) : App(os), m_log(log) {}
    void update(float dt, gr::Context& context, int mode) override {
        m_log.push_back("update " + std::to_string(dt) + " " + std::to_string(mode) + " " +
                        std::to_string(context.width()));
    }
    void keyDown(int code) override { m_log.push_back("keyDown " + std::to_string(code)); }
    void keyUp(int code) override { m_log.push_back("keyUp " + std::to_string(code)); }
    void resolutionChanged() override { m_log.push_back("resolutionChanged"); }
    void mouseMoved(int x, int y) override { m_log.push_back("mouseMoved " + point(x, y)); }
    void mouseWheel(int steps) override { m_log.push_back("mouseWheel " + std::to_string(steps)); }
    void setActive(bool active) override {
        App::setActive(active);
        m_log.push_back("setActive " + std::to_string(active));
    }
    bool setForeground(bool foreground) override {
        m_log.push_back("setForeground " + std::to_string(foreground));
        return true;
    }
    static std::string point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

private:
    std::vector<std::string>& m_log;
};

class InputTest : public testing::Test {
protected:
    InputTest() {
        using namespace framework::events;
        auto record = [this](const std::string& text) { log.push_back("#" + text); };
        m_links = {
            lang::event::subscribe(kKeyDown, [=](int code) { record("keyDown " + std::to_string(code)); }),
            lang::event::subscribe(kKeyUp, [=](int code) { record("keyUp " + std::to_string(code)); }),
            lang::event::subscribe(kMouseMoved,
                                   [=](int x, int y) { record("mouseMoved " + RecordingApp::point(x, y)); }),
            lang::event::subscribe(kWheel, [=](int steps) { record("wheel " + std::to_string(steps)); }),
            lang::event::subscribe(kTouchBegan,
                                   [=](TouchPoint p) { record("touchBegan " + RecordingApp::point(p.x, p.y)); }),
            lang::event::subscribe(kTouchMoved,
                                   [=](TouchPoint p) { record("touchMoved " + RecordingApp::point(p.x, p.y)); }),
            lang::event::subscribe(kTouchEnded, [=](TouchPoint p) { record("touchEnded " + std::to_string(p.id)); }),
            lang::event::subscribe(kActive, [=](bool active) { record("active " + std::to_string(active)); }),
            lang::event::subscribe(kForeground, [=](bool fg) { record("foreground " + std::to_string(fg)); }),
            lang::event::subscribe(kResized, [=] { record("resized"); }),
        };
    }

    std::vector<std::string> log;
    NullOS os;
    RecordingApp app{os, log};

private:
    std::vector<lang::Ref<lang::event::Link>> m_links;
};

TEST_F(InputTest, HeldKeysReportOneDownAndOneUp) {
    input::pressKey(app, 5);
    input::pressKey(app, 5); // auto-repeat
    input::pressKey(app, 5);
    EXPECT_TRUE(app.isKeyDown(5));
    input::releaseKey(app, 5);
    input::releaseKey(app, 5); // already up
    EXPECT_FALSE(app.isKeyDown(5));
    EXPECT_THAT(log, ElementsAre("keyDown 5", "#keyDown 5", "keyUp 5", "#keyUp 5"));
}

TEST_F(InputTest, LeavingTheWindowReleasesTheButtonsThatAreDownLeftMiddleRight) {
    input::pressKey(app, framework::kKeyRButton);
    input::pressKey(app, framework::kKeyLButton);
    input::pressKey(app, framework::kKeyMButton);
    log.clear();
    input::releaseMouseButtons(app);
    EXPECT_THAT(log, ElementsAre("keyUp 57", "#keyUp 57", "keyUp 58", "#keyUp 58", "keyUp 59", "#keyUp 59"));
    log.clear();
    input::pressKey(app, framework::kKeyMButton);
    input::releaseMouseButtons(app);
    EXPECT_THAT(log, ElementsAre("keyDown 58", "#keyDown 58", "keyUp 58", "#keyUp 58"));
}

TEST_F(InputTest, MousePositionsRelativeToTheCentreWhileLocked) {
    const input::ContextView view{gr::RendererKind::Gl2, 0, 800, 600};
    input::moveMouse(app, view, 400, 300, true, 800, 600);
    input::moveMouse(app, view, 0, 601, true, 801, 601); // halves round down: centre (400, 300)
    input::moveMouse(app, view, 7, 9, false, 800, 600);
    EXPECT_THAT(log, ElementsAre("mouseMoved 0,0", "#mouseMoved 0,0", "mouseMoved -400,301", "#mouseMoved -400,301",
                                 "mouseMoved 7,9", "#mouseMoved 7,9"));
}

TEST_F(InputTest, PositionsFollowTheOrientationOfOpenGlContextsOnly) {
    const TouchPoint p{3, 10, 20};
    const auto at = [&](gr::RendererKind kind, int orientation) {
        const TouchPoint q = input::transform({kind, orientation, 640, 480}, p);
        EXPECT_EQ(q.id, 3u);
        return RecordingApp::point(q.x, q.y);
    };
    EXPECT_EQ(at(gr::RendererKind::Gl2, 0), "10,20");
    EXPECT_EQ(at(gr::RendererKind::Gl2, 1), "20,470");
    EXPECT_EQ(at(gr::RendererKind::Gles1, 2), "630,460");
    EXPECT_EQ(at(gr::RendererKind::Gles2, 3), "620,10");
    EXPECT_EQ(at(gr::RendererKind::Dx11, 1), "10,20");
    EXPECT_EQ(at(gr::RendererKind::Xna, 2), "10,20");
}

TEST_F(InputTest, WheelStepsAreVerticalNotches) {
    EXPECT_EQ(input::wheelSteps(0, -2, false), -2);
    EXPECT_EQ(input::wheelSteps(0, 1, true), -1); // natural scrolling turns the other way
    EXPECT_EQ(input::wheelSteps(0, 0, false), 0); // a fraction of a notch still counts as a turn
    EXPECT_EQ(input::wheelSteps(2, 1, false), 1);
    EXPECT_EQ(input::wheelSteps(3, 0, false), std::nullopt);
    input::turnWheel(app, -2);
    input::turnWheel(app, 0);
    EXPECT_THAT(log, ElementsAre("mouseWheel -2", "#wheel -2", "mouseWheel 0", "#wheel 0"));
}

TEST_F(InputTest, TouchesKeepTheApplicationsListAndArePublished) {
    const input::ContextView view{gr::RendererKind::Gl2, 1, 640, 480};
    input::touch(app, view, input::TouchPhase::Began, {1, 10, 20});
    input::touch(app, view, input::TouchPhase::Began, {2, 30, 40});
    input::touch(app, view, input::TouchPhase::Moved, {1, 11, 21});
    input::touch(app, view, input::TouchPhase::Moved, {9, 0, 0}); // unknown contact
    EXPECT_THAT(app.touches(), ElementsAre(TouchPoint{1, 21, 469}, TouchPoint{2, 40, 450}));
    input::touch(app, view, input::TouchPhase::Ended, {1, 0, 0});
    EXPECT_THAT(app.touches(), ElementsAre(TouchPoint{2, 40, 450}));
    EXPECT_THAT(log, ElementsAre("#touchBegan 20,470", "#touchBegan 40,450", "#touchMoved 21,469", "#touchMoved 0,480",
                                 "#touchEnded 1"));
}

TEST_F(InputTest, ActivationClearsKeysAndTouchesThenPublishes) {
    input::pressKey(app, 12);
    app.touchBegan({4, 1, 1});
    log.clear();
    input::activate(app, false);
    EXPECT_FALSE(app.isKeyDown(12));
    EXPECT_TRUE(app.touches().empty());
    EXPECT_THAT(log, ElementsAre("setActive 0", "#active 0", "setForeground 0", "#foreground 0"));
    // The key went up unseen while inactive: pressing it again is a new key-down.
    log.clear();
    input::pressKey(app, 12);
    EXPECT_THAT(log, ElementsAre("keyDown 12", "#keyDown 12"));
}

TEST_F(InputTest, ResizeRedrawsAfterTheContextAndTheApplicationKnow) {
    FakeContext context(800, 600);
    input::resize(app, context, 1024, 768);
    EXPECT_THAT(context.calls, ElementsAre("resize 1024x768"));
    EXPECT_THAT(log, ElementsAre("resolutionChanged", "#resized", "update 0.000000 1 1024"));
}

} // namespace
