// The platform natives and the debug console, driven from Lua as the scripts call them.
#include "GameHarness.h"
#include "ResourceFiles.h"

#include "pf/TextInput.h"

#include <gtest/gtest.h>

#include <sys/utsname.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using gametest::GameHarness;

class DeviceNativesTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness.start();
        // Frames here run no physics, which would need its own callbacks.
        harness.run("function update() end  setPhysicsEnabled(false)");
    }

    GameLua& game() { return *harness.game; }
    std::string consoleText() { return game().getTable("DebugConsole").getString("g_debugconsole_text"); }

    GameHarness harness;
};

/// Sets an environment variable for the life of the object, then puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvironmentValue() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST_F(DeviceNativesTest, ConsoleTextFollowsTheKeyboardWhileTheConsoleHasIt) {
    harness.run("DebugConsole = {}  activateDebugConsole('')");
    EXPECT_EQ(consoleText(), "") << "activating publishes even an empty line";
    pf::TextInput::type('l');
    pf::TextInput::type(U'\u00E4');
    pf::TextInput::type(8);
    EXPECT_EQ(consoleText(), "l");

    // Another input takes the keyboard: deactivating the console leaves it there.
    pf::TextInput other;
    other.start("", nullptr);
    harness.run("deactivateDebugConsole()");
    EXPECT_TRUE(other.isActive());
    pf::TextInput::type('x');
    EXPECT_EQ(consoleText(), "l");

    // Activating takes it back, and a script that has no table yet gets one.
    harness.run("DebugConsole = nil  activateDebugConsole('level ')  deactivateDebugConsole()");
    EXPECT_EQ(consoleText(), "level ");
    EXPECT_EQ(pf::TextInput::active(), nullptr);
}

TEST_F(DeviceNativesTest, CurrentLocaleIsTheUsersFirstLanguageTheBasicTextsHave) {
    game::ContainerWriter text;
    text.beginChunk(game::kTextChunk);
    put(text, {1});
    chunk(text, "LDAT", {2, "en_EN", "fi_FI"});
    chunk(text, "LIDS", {1, "hello"});
    chunk(text, "TXGP", {"Hello"});
    chunk(text, "TXGP", {"Hei"});
    text.endChunk();
    writeFile("texts/TEXTS_BASIC.dat", text.finish());
    harness.run("res.createTextGroupSet('texts/TEXTS_BASIC.dat')  res.loadLocale('TEXTS_BASIC', 'ALL')");

    const EnvironmentValue noList("LANGUAGE", nullptr);
    const auto& basic = *harness.resources->resources().textGroupSets().at("TEXTS_BASIC");
    for (const auto& [environment, chosen] : {std::pair{"fi_FI.UTF-8", "fi_FI"}, std::pair{"sv_SE.UTF-8", "en_EN"}}) {
        const EnvironmentValue language("LANG", environment);
        harness.run("getCurrentLocale()  chosen = res.getLocale()");
        EXPECT_EQ(game().getString("chosen"), chosen) << environment;
        EXPECT_TRUE(basic.isLoaded(chosen));
        EXPECT_EQ(basic.isLoaded("fi_FI"), std::string(chosen) == "fi_FI") << "the other language is released";
    }
}

TEST_F(DeviceNativesTest, PlatformQueriesAnswerForThisMachine) {
    utsname system{};
    ASSERT_EQ(uname(&system), 0);
    harness.run(R"(
        unlockAchievement('first')  playVideo('intro.ogv')  setAccelerometerActive(true)
        answers = { getOSName(), getOSVersion(), getModel(), getManufacturer(), tostring(canOpenProgram('game')) })");
    game().update(0.1f);
    const lua::LuaTable answers = game().getTable("answers");
    EXPECT_EQ(answers.getString(1), "Linux");
    EXPECT_EQ(answers.getString(2), system.release);
    EXPECT_EQ(answers.getString(3), "Unknown");
    EXPECT_EQ(answers.getString(4), "Unknown");
    EXPECT_EQ(answers.getString(5), "false");
}

TEST_F(DeviceNativesTest, DueNotificationsReachTheCallbackOnce) {
    harness.run(R"(
        delivered = ''
        function onNotification(id, text, action) delivered = delivered .. id .. ':' .. text .. '/' .. action .. ' ' end
        addNotificationAfter(1, 1, 'one', 'play')  addNotificationAfter(1, 0, 'twice', '')
        addNotificationAfter(2, 2, 'two', 'go')  addNotificationAfter(3, 1, 'gone', '')  removeNotification(3)
        addNotificationAfter(4, 0, 'unheard', ''))");
    game().update(0.1f);
    harness.run("setNotificationCallback('onNotification')");
    game().update(0.5f);
    game().update(0.5f);
    EXPECT_EQ(game().getString("delivered"), "1:one/play ") << "4 came due before anyone listened";
    game().update(1.0f);
    EXPECT_EQ(game().getString("delivered"), "1:one/play 2:two/go ");
    harness.run("addNotificationAfter(5, 1, 'five', '')  setNotificationsEnabled(true)  setNotificationsEnabled(false)"
                "  addNotificationAfter(6, 1, 'six', '')  removeAllNotifications()");
    game().update(2.0f);
    EXPECT_EQ(game().getString("delivered"), "1:one/play 2:two/go ");
}

TEST_F(DeviceNativesTest, TheDemoConsoleRunsTheTypedLineAsACommand) {
    const std::ifstream source(TUMBLE_DEMO_SOURCE_DIR "/scripts/console.lua");
    gametest::writeScript("scripts/console.lua", (std::ostringstream() << source.rdbuf()).str());
    gametest::LogCapture log;
    // The keys of one frame; the host types a key's control character before it reports the key.
    harness.run(R"(
        loadLuaFile('scripts/console.lua', '')
        commands = { level = function(name) return 'level ' .. name end }
        function frame(key) keyPressed[key] = true  taken = DebugConsole.update(commands)  keyPressed[key] = nil end)");
    const auto typeLine = [&](const std::u32string& keys, const char* key) {
        harness.run("frame('F1')");
        for (const char32_t code : keys)
            pf::TextInput::type(code);
        harness.run(std::string("frame('") + key + "')");
    };
    harness.run("frame('L')");
    EXPECT_FALSE(game().getBoolean("taken")) << "the game keeps its keys while the console is closed";
    typeLine(U"level water\r", "RETURN");
    typeLine(U"restart\x1b", "ESCAPE");
    EXPECT_TRUE(game().getBoolean("taken")) << "the Escape that closes the console does not quit the game";
    typeLine(U"fly\r", "RETURN");
    std::vector<std::string> lines;
    for (const auto& record : log.records)
        lines.push_back(record.message);
    EXPECT_EQ(lines, (std::vector<std::string>{"console: level water", "console: no command fly (commands: level)"}));
    EXPECT_EQ(pf::TextInput::active(), nullptr);
}

} // namespace
