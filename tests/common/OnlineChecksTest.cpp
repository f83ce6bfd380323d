// The online checks: the updater's answer, the installed-games lists, the download confirmation,
// their hand-over at frame boundaries and a shut-down that does not wait for the network.
#include "DownloadConfirmation.h"
#include "GameHarness.h"
#include "GameList.h"
#include "LoopbackHttpServer.h"
#include "net/HttpResponse.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using gametest::GameHarness;
using Clock = std::chrono::steady_clock;

testsupport::CannedResponse answer(const std::string& body, bool silent = false) {
    testsupport::CannedResponse response;
    response.body = body;
    response.silent = silent;
    return response;
}

/// A game whose online checks reach the loopback server directly and whose updater is a shell
/// script in the test's folder, answering within `updaterLimit`.
struct OnlineGame {
    explicit OnlineGame(std::chrono::milliseconds updaterLimit = 2000ms) {
        harness.start();
        harness.game->onlineChecks().configure(
            {.updater = updaterPath().string(), .updaterLimit = updaterLimit, .noProxyHosts = "127.0.0.1"});
        harness.run(R"(setPhysicsEnabled(false)  settings = {}  answers = {}
            function update() end
            function updateAvailable(available) answers[#answers + 1] = available end
            function setInstalledApps(names, count, text) installed = {names, count, text} end)");
    }
    static std::filesystem::path updaterPath() { return std::filesystem::absolute("updater"); }
    /// Makes the updater a script that notes each start with its arguments, then runs `body`. It
    /// lets go of the test's output at once, which a test runner may wait to close.
    static void writeUpdater(const std::string& body) {
        std::ofstream(updaterPath()) << "#!/bin/sh\nexec >/dev/null 2>&1\necho \"$@\" >> started\n" << body << "\n";
        std::filesystem::permissions(updaterPath(), std::filesystem::perms::owner_all);
    }
    static std::string startedWith() { return gametest::readFile("started"); }
    /// Runs frames until `done` holds or `limit` has passed; whether it held.
    bool framesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 2000ms) {
        for (const auto end = Clock::now() + limit; Clock::now() < end;) {
            harness.game->update(0.0f);
            if (done())
                return true;
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }
    int answerCount() { return static_cast<int>(harness.game->getTable("answers").count()); }

    gametest::LogCapture log; // outlives the game's workers, which may log
    GameHarness harness;
};

TEST(OnlineChecksTest, TheUpdatersExitCodeReachesTheScriptsOnALaterFrame) {
    for (const auto& [exit, available] : {std::pair{"exit 0", true}, std::pair{"exit 1", false}}) {
        OnlineGame online;
        OnlineGame::writeUpdater(exit);
        online.harness.run("checkForUpdates()");
        EXPECT_EQ(online.answerCount(), 0) << exit;
        ASSERT_TRUE(online.framesUntil([&] { return online.answerCount() > 0; })) << exit;
        EXPECT_EQ(online.harness.game->getTable("answers").getBoolean(1), available) << exit;
        EXPECT_EQ(OnlineGame::startedWith(), "/justcheck\n") << exit;
        // One answer, one call.
        online.harness.game->update(0.0f);
        EXPECT_EQ(online.answerCount(), 1) << exit;
    }
}

TEST(OnlineChecksTest, AnUpdaterWithoutAnAnswerGivesNoCall) {
    struct Case {
        const char* what;
        const char* script; // null: no updater at all
        std::chrono::milliseconds watched;
    };
    // The overrunning updater would answer "true" after 200 ms.
    for (const Case& c : {Case{"overrunning the limit", "sleep 0.2\nexit 0", 300ms}, Case{"killed", "kill -9 $$", 50ms},
                          Case{"missing", nullptr, 50ms}}) {
        OnlineGame online(50ms);
        if (c.script)
            OnlineGame::writeUpdater(c.script);
        online.harness.run("checkForUpdates()");
        EXPECT_FALSE(online.framesUntil([&] { return online.answerCount() > 0; }, c.watched)) << c.what;
    }
}

TEST(OnlineChecksTest, ASecondCheckWhileOneRunsNeitherWaitsNorStartsAnotherUpdater) {
    OnlineGame online;
    OnlineGame::writeUpdater("sleep 0.2\nexit 0");
    online.harness.run("checkForUpdates()");
    const auto before = Clock::now();
    online.harness.run("checkForUpdates()");
    EXPECT_LT(Clock::now() - before, 50ms);
    ASSERT_TRUE(online.framesUntil([&] { return online.answerCount() > 0; }));
    EXPECT_EQ(OnlineGame::startedWith(), "/justcheck\n");
    // The updater the player starts is not waited for.
    online.harness.run("callVersionUpdater()");
    EXPECT_TRUE(online.framesUntil([] { return OnlineGame::startedWith().ends_with("/checknow\n"); }));
    EXPECT_EQ(online.answerCount(), 1);
}

TEST(OnlineChecksTest, GameListsNameTheInstalledGamesAndRefuseGaps) {
    struct Case {
        const char* list;
        const char* names;
        int count;
        bool fails;
    };
    const Case cases[] = {
        {R"({"gameCount": 3, "game_0": {"name": "a"}, "game_1": {"name": "b"}, "game_2": {"name": "c"}})", "a,c", 3,
         false},
        {R"({"gameCount": 2, "game_0": {"name": "a"}})", "", 2, true},
        {R"({"game_0": {"name": "a"}})", "", 0, false},
        {R"({"gameCount": 1, "game_0": {"name": "a"}, "game_1": {"name": "c"}})", "a", 1, false},
        {R"({"gameCount": 1, "game_0": {"title": "a"}})", "", 1, true},
        {R"({"gameCount": 1, "game_0": {"name": 7}})", "", 1, true},
        {R"({"gameCount": 1, "game_00": {"name": "a"}})", "", 1, true},
        {R"({"gameCount": 1, "x": {"game_0": {"name": "a"}}})", "", 1, true},
        {R"({"gameCount": 1, "game_0": {"x": {"name": "a"}}})", "", 1, true},
        {R"({"gameCount": "1", "game_0": {"name": "a"}})", "", 0, true},
        {R"({"gameCount": 1, "game_0": {"name": "a"})", "", 0, true},
    };
    const std::set<std::string> installed = {"a", "c"};
    const auto canOpen = [&](const std::string& name) { return installed.contains(name); };
    for (const Case& c : cases) {
        gametest::LogCapture log;
        const InstalledGames games = GameList::installedIn(c.list, canOpen);
        EXPECT_EQ(games.names, c.names) << c.list;
        EXPECT_EQ(games.gameCount, c.count) << c.list;
        EXPECT_EQ(log.has(lang::log::Error, "GameLua::determineInstalledApps",
                          "Failed to parse possible installed games JSON"),
                  c.fails)
            << c.list;
    }
    // No desktop program can be opened by a game's name.
    OnlineGame online;
    online.harness.run(R"(function setInstalledAppsOffline(names) offline = names end
        checkInstalledAppsOffline('{"gameCount": 1, "game_0": {"name": "sh"}}'))");
    EXPECT_EQ(online.harness.game->getString("offline"), "");
    EXPECT_TRUE(online.harness.game->isString("offline"));
}

TEST(OnlineChecksTest, OnlyAnExactAnswerConfirmsADownloadWhoseValuesAreEscaped) {
    struct Case {
        int status;
        const char* body;
        bool confirmed;
    };
    for (const Case& c :
         {Case{200, "DNL_OK", true}, Case{200, "DNL_ERR_DLTRK", true}, Case{200, "DNL_OK ", false},
          Case{200, "dnl_ok", false}, Case{200, "", false}, Case{404, "DNL_OK", false}, Case{302, "DNL_OK", false}}) {
        net::HttpResponse response;
        response.status = c.status;
        response.body = c.body;
        EXPECT_EQ(isDownloadConfirmed(response), c.confirmed) << c.status << " " << c.body;
    }
    EXPECT_EQ(downloadConfirmationAddress("http://s/", "a b", "x&b=1", "\xC3\xA9~-._"),
              "http://s/confirm/?d=a%20b&i=x%26b%3D1&b=%C3%A9~-._");
}

TEST(OnlineChecksTest, RequestsAnswerTheScriptsOnLaterFrames) {
    testsupport::LoopbackHttpServer server([](const std::string& path) {
        if (path == "/list")
            return answer(R"({"gameCount": 1, "game_0": {"name": "a"}})");
        if (path == "/broken")
            return answer("<html>");
        return answer("DNL_OK");
    });
    OnlineGame online;
    GameLua& game = *online.harness.game;
    online.harness.run("DOWNLOAD_TRACKING_URL_BASE = '" + server.url("") + "'  checkInstalledAppsOnline('" +
                       server.url("/list") + "')  postDownloadTracking('1 2', 'i', 'b')");
    EXPECT_FALSE(game.isTable("installed"));
    ASSERT_TRUE(online.framesUntil(
        [&] { return game.isTable("installed") && game.getTable("settings").getBoolean("downloadTrackingCallDone"); }));
    const lua::LuaTable installed = game.getTable("installed");
    EXPECT_EQ(installed.getString(1), "");
    EXPECT_EQ(installed.getNumber(2), 1.0f);
    EXPECT_EQ(installed.getString(3), R"({"gameCount": 1, "game_0": {"name": "a"}})");
    // The two requests run side by side.
    const std::vector<std::string> paths = server.requestedPaths();
    EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()),
              (std::set<std::string>{"/list", "/confirm/?d=1%202&i=i&b=b"}));
    // A confirmed download is noted in every frame, and a list that is no JSON is only logged.
    online.harness.run("settings.downloadTrackingCallDone = nil  installed = nil  checkInstalledAppsOnline('" +
                       server.url("/broken") + "')");
    EXPECT_TRUE(online.framesUntil([&] {
        return online.log.has(lang::log::Warning, "GameLua::update",
                              "Received an invalid game list JSON from the server");
    }));
    EXPECT_TRUE(game.getTable("settings").getBoolean("downloadTrackingCallDone"));
    EXPECT_FALSE(game.isTable("installed"));
}

TEST(OnlineChecksTest, ShutDownAbandonsRequestsAndTheUpdaterWait) {
    testsupport::LoopbackHttpServer server([](const std::string&) { return answer("", true); });
    OnlineGame online(10000ms);
    OnlineGame::writeUpdater("sleep 5");
    online.harness.run("DOWNLOAD_TRACKING_URL_BASE = '" + server.url("") + "'  checkInstalledAppsOnline('" +
                       server.url("/list") + "')  postDownloadTracking('d', 'i', 'b')  checkForUpdates()");
    EXPECT_TRUE(
        online.framesUntil([&] { return server.requestedPaths().size() == 2 && !OnlineGame::startedWith().empty(); }));
    const auto before = Clock::now();
    online.harness.stop();
    // Far from the requests' time-outs and the updater's limit.
    EXPECT_LT(Clock::now() - before, 3000ms);
}

} // namespace
