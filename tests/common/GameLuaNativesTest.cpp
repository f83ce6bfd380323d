// The core natives, driven from Lua as the scripts call them.
#include "GameHarness.h"
#include "MachineId.h"

#include "lua/LuaException.h"
#include "util/Sha256.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using gametest::GameHarness;

class GameLuaNativesTest : public ::testing::Test {
protected:
    void SetUp() override { harness.start(paths()); }

    static PathsAndFlags paths() {
        PathsAndFlags paths;
        paths.imagePath = "img";
        paths.scriptPath = "scripts";
        paths.deviceModel = "desk";
        paths.hd = true;
        return paths;
    }

    GameLua& game() { return *harness.game; }

    GameHarness harness;
};

TEST_F(GameLuaNativesTest, SetsTheEngineGlobals) {
    const lua::LuaTable& g = game();
    EXPECT_FALSE(g.getBoolean("iapEnabled"));
    EXPECT_TRUE(g.isBoolean("iapEnabled"));
    EXPECT_EQ(g.getNumber("screenWidth"), 800.0f);
    EXPECT_EQ(g.getNumber("screenHeight"), 600.0f);
    for (const char* table : {"keyPressed", "keyReleased", "keyHold", "cursor", "multitouchSweep", "clippedText",
                              "objects", "nuked", "highscores", "settings", "bi_data"})
        EXPECT_TRUE(g.isTable(table)) << table;
    EXPECT_EQ(g.getTable("multitouchZoom").getNumber("zoomCoolingTime"), -1.0f);
    EXPECT_FALSE(g.getBoolean("ABIDEnabled"));
    EXPECT_EQ(g.getString("imagePath"), "img");
    EXPECT_EQ(g.getString("scriptPath"), "scripts");
    EXPECT_EQ(g.getString("fontPath"), "");
    EXPECT_EQ(g.getString("deviceModel"), "desk");
    EXPECT_TRUE(g.getBoolean("isHDVersion"));
    EXPECT_FALSE(g.getBoolean("isLiteVersion"));
    EXPECT_EQ(g.getString("uniqueDeviceId"), machineIdentifier());
}

TEST_F(GameLuaNativesTest, ScriptsSeeTheLibrariesButAssignIntoTheGame) {
    harness.run("answer = math.floor(2.5) .. string.rep('!', 2)  for k in pairs({a = 1}) do key = k end");
    EXPECT_EQ(game().getString("answer"), "2!!");
    EXPECT_EQ(game().getString("key"), "a");
    EXPECT_TRUE(harness.lua->getGlobals().isNil("answer"));
    // The native print replaces the library's.
    harness.run("isNative = print ~= _G.print");
    EXPECT_TRUE(game().getBoolean("isNative"));
}

TEST_F(GameLuaNativesTest, MachineIdentifierIsAStableDigest) {
    EXPECT_EQ(util::sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(machineIdentifier(), machineIdentifier());
    harness.run("same = getDeviceIDHash() == uniqueDeviceId and #uniqueDeviceId == 64");
    EXPECT_TRUE(game().getBoolean("same"));
}

TEST_F(GameLuaNativesTest, BackgroundColourIsClampedAndTruncated) {
    EXPECT_EQ(game().backgroundColour(), 0xFFFFFFFFu);
    harness.run("setBGColor(300, -5, 128)");
    EXPECT_EQ(game().backgroundColour(), 0x00FF0080u);
    harness.run("setBGColor(12.9, 0/0, 255.5)");
    EXPECT_EQ(game().backgroundColour(), 0x000C00FFu);
}

TEST_F(GameLuaNativesTest, LevelLimitsKeepTheHorizontalPair) {
    harness.run("setLevelLimits(-10, 0, 50, 0)");
    EXPECT_EQ(game().view().leftLimit, -10);
    EXPECT_EQ(game().view().rightLimit, 50);
    harness.run("setLevelLimits(-10.7, 99, 50.9, 99)");
    EXPECT_EQ(game().view().leftLimit, -10);
    EXPECT_EQ(game().view().rightLimit, 50);
}

TEST_F(GameLuaNativesTest, ViewAndSwitchesAreStored) {
    gametest::MaxTranslationGuard restore;
    harness.run(R"(
        setTopLeft(3, 4)  setWorldScale(0.5)  setPhysicsSimulationScale(2)  setMaxTranslation(7)
        setEditing(true)  setPhysicsEnabled(false)  physics = isPhysicsEnabled()  setUpdating(false)
        setAlpha(0.25))");
    EXPECT_EQ(game().view().topLeftX, 3.0f);
    EXPECT_EQ(game().view().topLeftY, 4.0f);
    EXPECT_EQ(game().view().worldScale, 0.5f);
    EXPECT_EQ(game().view().simulationScale, 2.0f);
    EXPECT_EQ(PhysicsWorld::maxTranslation(), 7.0f);
    EXPECT_TRUE(game().isEditing());
    EXPECT_FALSE(game().getBoolean("physics"));
    EXPECT_FALSE(game().isUpdating());
    EXPECT_EQ(harness.context.state().alpha, 0.25f);
}

TEST_F(GameLuaNativesTest, WrongArgumentTypesRaiseTheTypedReadMessage) {
    const std::string message = harness.failureOf("setBGColor(1, 'two', 3)");
    EXPECT_NE(message.find("Excepted type NUMBER at stack position 2 but found STRING"), std::string::npos) << message;
    EXPECT_NE(harness.failureOf("setUpdating(1)").find("Excepted type BOOLEAN"), std::string::npos);
    EXPECT_NE(harness.failureOf("print(5)").find("Excepted type STRING"), std::string::npos);
}

TEST_F(GameLuaNativesTest, PrintIsSilentWarningsAndErrorsReachTheLog) {
    gametest::LogCapture log;
    harness.run("print('chatter')  printGlobals()  printWarning('careful')  printError('broken 100%')");
    EXPECT_FALSE(log.has(lang::log::Info, "GameLua::print", "chatter"));
    for (const auto& record : log.records)
        EXPECT_EQ(record.message.find("chatter"), std::string::npos);
    EXPECT_TRUE(log.has(lang::log::Warning, "GameLua::printWarning", "careful"));
    EXPECT_TRUE(log.has(lang::log::Error, "GameLua::printError", "broken 100%"));
}

TEST_F(GameLuaNativesTest, AdvertisingRequestsAreAcceptedAndTheServiceReportsReachTheScripts) {
    gametest::LogCapture log;
    harness.run(R"(
        native_requestBannerAd()  native_showBannerAd()  native_hideBannerAd()
        native_requestExpandableAd()  native_showExpandableAd()  native_hideExpandableAd()
        native_requestInterstitialAd()  native_showInterstitialAd()
        registerStoreStatusListener()  checkMainMenuAd()  checkGameCompletionUpsell()
        heard = {}
        for _, name in ipairs({ 'onBannerAdHidden', 'onBannerSizeChanged', 'onBannerAdReady', 'onBannerAdRequestFailed',
                                'onExpandableWillExpand', 'onExpandableAdHidden', 'onExpandableSizeChanged',
                                'onExpandableAdReady', 'onExpandableAdRequestFailed', 'onInterstitialAdHidden',
                                'onInterstitialAdReady', 'onInterstitialAdRequestFailed' }) do
            getfenv(1)[name] = function(...) heard[#heard + 1] = table.concat({ name, ... }, ' ') end
        end
    )");
    EXPECT_TRUE(log.has(lang::log::Info, "GameLua::checkMainMenuAd", "Native: checkMainMenuAd() not implemented"));
    EXPECT_TRUE(log.has(lang::log::Info, "GameLua::checkGameCompletionUpsell",
                        "Native: checkGameCompletionUpsell() not implemented"));

    ads::BannerListener& banner = game();
    ads::ExpandableListener& expandable = game();
    ads::InterstitialListener& interstitial = game();
    banner.bannerHidden();
    banner.bannerSizeChanged(320, 50);
    banner.bannerRequestFinished(true);
    banner.bannerRequestFinished(false);
    expandable.expandableWillExpand();
    expandable.expandableHidden();
    expandable.expandableSizeChanged(300, 250);
    expandable.expandableRequestFinished(true);
    expandable.expandableRequestFinished(false);
    interstitial.interstitialHidden();
    interstitial.interstitialRequestFinished(true);
    interstitial.interstitialRequestFinished(false);
    const lua::LuaTable heard = game().getTable("heard");
    const std::vector<std::string> expected = {"onBannerAdHidden",
                                               "onBannerSizeChanged 320 50",
                                               "onBannerAdReady",
                                               "onBannerAdRequestFailed",
                                               "onExpandableWillExpand",
                                               "onExpandableAdHidden",
                                               "onExpandableSizeChanged 300 250",
                                               "onExpandableAdReady",
                                               "onExpandableAdRequestFailed",
                                               "onInterstitialAdHidden",
                                               "onInterstitialAdReady",
                                               "onInterstitialAdRequestFailed"};
    ASSERT_EQ(heard.count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(heard.getString(static_cast<int>(i) + 1), expected[i]);
}

TEST_F(GameLuaNativesTest, TimerExitAndPlatformForwarding) {
    harness.run(R"(
        resetTimer()  seconds = getGameTimer()
        setGameOn(true)  captureMouse(true)  captured = isMouseCaptured()
        setFullScreenMode(true)  full = isInFullScreenMode()  setResolution(640.9, 480.2)
        moved = setMousePosition(1, 2)  requestExit())");
    EXPECT_EQ(game().getNumber("seconds"), 0.0f);
    EXPECT_FALSE(harness.os.gameOn);
    EXPECT_TRUE(game().getBoolean("captured"));
    EXPECT_TRUE(game().getBoolean("full"));
    EXPECT_EQ(harness.os.resolution, (std::vector<int>{640, 480}));
    EXPECT_FALSE(game().getBoolean("moved"));
    EXPECT_TRUE(harness.app.isQuitRequested());
    EXPECT_EQ(harness.app.quitCode(), 0);
}

TEST_F(GameLuaNativesTest, OtherPlatformsServicesDoNothing) {
    harness.run(R"(
        initGameCenter('x', 1)  getLeaderboardScoresForPlayers({})  getLeaderboardScoresForRange(1, 2)
        postHighscore('board', 100)  showLeaderboards()  showAchievements()  goToTaskSwitcherLua()
        setGCPopupAllowed(true)  enableMotion(true)
        motion = isMotionEnabled()  w = getFullScreenWidth()  h = getFullScreenHeight()
        clip = type(getClipboardText()))");
    EXPECT_FALSE(game().getBoolean("motion"));
    EXPECT_TRUE(game().isBoolean("motion"));
    EXPECT_EQ(game().getNumber("w") + game().getNumber("h"), 0.0f);
    EXPECT_TRUE(game().isNumber("w"));
    EXPECT_EQ(game().getString("clip"), "string");
}

TEST_F(GameLuaNativesTest, ScreenCaptureIsARequestTakenOnce) {
    EXPECT_FALSE(game().takeScreenCapture());
    harness.run("captureScreen('shot.png')");
    EXPECT_EQ(game().takeScreenCapture(), "shot.png");
    EXPECT_FALSE(game().takeScreenCapture());
}

TEST_F(GameLuaNativesTest, DrawRectResetsTheRenderStateUnlessKept) {
    harness.context.state().translateX = 50.0f;
    harness.context.state().alpha = 0.5f;
    harness.run("drawRect(1, 0.5, 0, 1, 10.5, 20, 40.9, 30.5, true)  drawRect(0, 0, 1, 0.5, 1, 2, 3, 4, false)");
    ASSERT_EQ(harness.context.rects.size(), 2u);
    const auto& kept = harness.context.rects[0];
    EXPECT_EQ(kept.colour, 0xFFFF7F00u);
    EXPECT_EQ(kept.x, 10.5f);
    EXPECT_EQ(kept.y, 20.0f);
    EXPECT_EQ(kept.w, 30.0f);
    EXPECT_EQ(kept.h, 10.0f);
    EXPECT_EQ(kept.state.translateX, 50.0f);
    const auto& reset = harness.context.rects[1];
    EXPECT_EQ(reset.colour, 0x7F0000FFu);
    EXPECT_EQ(reset.state.translateX, 0.0f);
    EXPECT_EQ(reset.state.alpha, 1.0f);
    EXPECT_EQ(reset.state.clipLeft, -32000.0f);
    // Components outside 0..1 are clamped.
    harness.run("drawRect(2, -1, 0/0, 7, 0, 0, 1, 1, false)");
    EXPECT_EQ(harness.context.rects[2].colour, 0xFFFF0000u);
}

TEST_F(GameLuaNativesTest, TimeDifferences) {
    harness.run(R"(
        a = { year = 2024, month = 3, day = 2, hour = 1, minutes = 2, seconds = 3 }
        b = { year = 2024, month = 3, day = 1 }
        seconds = getTimeDifferenceInSeconds(a, b)
        back = getTimeDifferenceInSeconds(b, a)
        span = getTimeDifference(b, a)
        c = { year = 2024, month = 3, day = 1, hour = 'noon', minutes = 30 }
        half = getTimeDifferenceInSeconds(c, b))");
    EXPECT_EQ(game().getNumber("seconds"), 86400.0f + 3723.0f);
    EXPECT_EQ(game().getNumber("back"), -(86400.0f + 3723.0f));
    const lua::LuaTable span = game().getTable("span");
    EXPECT_EQ(span.getNumber("days"), 1.0f);
    EXPECT_EQ(span.getNumber("hours"), 1.0f);
    EXPECT_EQ(span.getNumber("minutes"), 2.0f);
    EXPECT_EQ(span.getNumber("seconds"), 3.0f);
    // A field that is not a number counts as 0.
    EXPECT_EQ(game().getNumber("half"), 1800.0f);

    const std::string message = harness.failureOf("getTimeDifference({ year = 2024, day = 1 }, b)");
    EXPECT_NE(message.find("\"month\""), std::string::npos) << message;
    EXPECT_NE(harness.failureOf("getTimeDifference(1, b)").find("Excepted type TABLE"), std::string::npos);

    // Fields beyond a billion would overflow the calendar arithmetic: refused, naming the field.
    const struct {
        const char* fields;
        const char* refused;
    } ranges[] = {
        {"year = 2024, month = -1e10, day = 1", "month"},
        {"year = 2024, month = 1, day = 1e10", "day"},
        {"year = 2e9, month = 1, day = 1", "year"},
        {"year = 2024, month = 1, day = 1, hour = 0/0", "hour"},
        {"year = 2024, month = 1, day = 1, seconds = -1/0", "seconds"},
        {"year = -1e9, month = 1e9, day = -1e9, hour = 1e9, minutes = -1e9, seconds = 1e9", nullptr},
    };
    for (const auto& range : ranges) {
        const std::string call = std::string("getTimeDifference(b, { ") + range.fields + " })";
        if (range.refused)
            EXPECT_NE(harness.failureOf(call).find(std::string("position 2 has \"") + range.refused + "\" = "),
                      std::string::npos)
                << call;
        else
            harness.run(call);
    }
}

TEST_F(GameLuaNativesTest, CurrentTimeHasTheCalendarFields) {
    harness.run("now = getCurrentTime()  ok = now.year >= 2024 and now.month >= 1 and now.month <= 12 and "
                "now.day >= 1 and now.hour >= 0 and now.minutes >= 0 and now.seconds >= 0");
    EXPECT_TRUE(game().getBoolean("ok"));
}

TEST_F(GameLuaNativesTest, TrajectoryNativesFillTheCurrentSet) {
    // Slots beyond the six buffers are ignored, also at the ends of the int range from either set.
    harness.run("addToTrajectory(1, 10, 20)  addToTrajectory(3.9, 1, 2)  addPuffToTrajectory(2, 5, 6)  "
                "addToTrajectory(-1e10, 0, 0)  addPuffToTrajectory(0/0, 0, 0)  "
                "startNewTrajectory()  addToTrajectory(1, 7, 8)  addToTrajectory(9, 0, 0)  "
                "addPuffToTrajectory(1e10, 0, 0)  addToTrajectory(-3, 0, 0)");
    const Trajectories& t = game().trajectories();
    std::vector<size_t> points;
    std::vector<size_t> puffs;
    for (int i = 0; i < Trajectories::kBufferCount; ++i) {
        points.push_back(t.points(i).size());
        puffs.push_back(t.puffs(i).size());
    }
    EXPECT_EQ(points, (std::vector<size_t>{1, 0, 1, 1, 0, 0}));
    EXPECT_EQ(puffs, (std::vector<size_t>{0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(t.points(0)[0].x, 10.0f);
    harness.run("predicted = getTrajectory('nobody')");
    EXPECT_EQ(game().getTable("predicted").count(), 0);
}

TEST_F(GameLuaNativesTest, JSONExportAndImport) {
    harness.run(R"(
        data = { name = "demo", level = 3 }
        text = exportLuaTableAsJSON("data")
        missing = exportLuaTableAsJSON("nothing")
        into = { keep = true }
        importJSONToLuaTable('{"score": 120, "tags": ["a", "b"]}', "into")
        importJSONToLuaTable('{"score": 1}', "notATable")
        odd = {0/0, 1/0, -1/0, 4}
        oddText = exportLuaTableAsJSON("odd")
        oddCopy = {}
        importJSONToLuaTable('{"odd": ' .. oddText .. '}', "oddCopy"))");
    const std::string text = game().getString("text");
    EXPECT_NE(text.find("\"name\":\"demo\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"level\":3"), std::string::npos) << text;
    EXPECT_EQ(game().getString("missing"), "");
    const lua::LuaTable into = game().getTable("into");
    EXPECT_EQ(into.getNumber("score"), 120.0f);
    EXPECT_EQ(into.getTable("tags").getString(2), "b");
    EXPECT_TRUE(into.getBoolean("keep"));
    EXPECT_TRUE(game().isNil("notATable"));
    // NaN and the infinities go out as null, which reads back as holes.
    const lua::LuaTable odd = game().getTable("oddCopy").getTable("odd");
    EXPECT_EQ(odd.count(), 1) << game().getString("oddText");
    EXPECT_EQ(odd.getNumber(4), 4.0f);
    EXPECT_FALSE(harness.failureOf("importJSONToLuaTable('{broken', 'into')").empty());
}

TEST_F(GameLuaNativesTest, ExportThatFailsIsLoggedAndEmpty) {
    gametest::LogCapture log;
    harness.run("loop = {}  loop.self = loop  text = exportLuaTableAsJSON('loop')");
    EXPECT_EQ(game().getString("text"), "");
    EXPECT_TRUE(log.has(lang::log::Error, "GameLua::exportLuaTableAsJSON", "AN EXCEPTION WAS THROWN"));
}

} // namespace
