#include "framework/App.h"
#include "NullOS.h"
#include "io/PathName.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

class MinimalApp : public framework::App {
public:
    using App::App;
    void update(float, gr::Context&, int) override {}
};

TEST(AppTest, OneInstanceWhileItLives) {
    NullOS os;
    EXPECT_FALSE(framework::App::instanceExists());
    {
        MinimalApp app(os);
        EXPECT_EQ(framework::App::instance(), &app);
        EXPECT_EQ(&app.os(), &os);
    }
    EXPECT_EQ(framework::App::instance(), nullptr);
}

TEST(AppTest, KeyFlagsCoverTheCodesAndIgnoreOthers) {
    NullOS os;
    MinimalApp app(os);
    app.setKeyDown(0, true);
    app.setKeyDown(90, true);
    app.setKeyDown(91, true);
    app.setKeyDown(-1, true);
    EXPECT_TRUE(app.isKeyDown(0));
    EXPECT_TRUE(app.isKeyDown(90));
    EXPECT_FALSE(app.isKeyDown(91));
    EXPECT_FALSE(app.isKeyDown(-1));
    app.setActive(true);
    EXPECT_FALSE(app.isKeyDown(90));
}

TEST(AppTest, TouchListFollowsContacts) {
    NullOS os;
    MinimalApp app(os);
    app.touchBegan({1, 0, 0});
    app.touchBegan({2, 5, 5});
    app.touchBegan({1, 9, 9}); // a second entry with a reused identifier
    app.touchMoved({1, 3, 4});
    EXPECT_EQ(app.touches()[0], (framework::TouchPoint{1, 3, 4}));
    EXPECT_EQ(app.touches()[2], (framework::TouchPoint{1, 9, 9})); // only the first is moved
    app.touchEnded({1, 0, 0});                                     // every entry of the contact goes
    ASSERT_EQ(app.touches().size(), 1u);
    EXPECT_EQ(app.touches()[0].id, 2u);
    app.clearTouches();
    EXPECT_TRUE(app.touches().empty());
}

TEST(AppTest, QuitRequestKeepsItsCode) {
    NullOS os;
    MinimalApp app(os);
    EXPECT_FALSE(app.isQuitRequested());
    app.requestQuit(3);
    EXPECT_TRUE(app.isQuitRequested());
    EXPECT_EQ(app.quitCode(), 3);
    EXPECT_TRUE(app.isSafeToQuit());
    EXPECT_TRUE(app.setForeground(false));
}

TEST(AppTest, ResolvePathJoinsBaseDirectoryBasePathAndRelativePath) {
    NullOS bare;
    MinimalApp app(bare);
    EXPECT_STREQ(app.resolvePath("scripts/main.lua").toString(), "scripts/main.lua");
    app.setBasePath("data");
    EXPECT_STREQ(app.resolvePath("scripts/main.lua").toString(), "data/scripts/main.lua");
    EXPECT_STREQ(app.resolvePath("/shaders").toString(), "data/shaders");
    EXPECT_STREQ(app.resolvePath("").toString(), "data");

    NullOS rooted("/games/demo");
    MinimalApp other(rooted);
    other.setBasePath("data/../assets");
    EXPECT_STREQ(other.resolvePath("a.png").toString(), "/games/demo/assets/a.png");
}

} // namespace
