// The game application on a fake graphics context, with a small game in a temporary data folder.
#include "GameApp.h"
#include "AudioFiles.h"
#include "GameHarness.h"
#include "audio/AudioOutput.h"
#include "framework/KeyCodes.h"

#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

using gametest::FakeContext;
using gametest::FakeOS;
using gametest::TempFolder;

constexpr int kKeyA = 1;
using framework::kKeyAdd;
using framework::kKeyControl;
using framework::kKeyShift;
using framework::kKeySubtract;
using framework::kKeyVolumeDown;

constexpr const char* kGameLogic = R"(
    order = { 'logic' }
    function updateValues() order[#order + 1] = 'updateValues' end
    function createStartUpAssets()
        order[#order + 1] = 'createStartUpAssets'
        sawBlocks = blockTable.material == 'wood'
        sawStars = starTable.demo[3] == 9
    end
    function update(dt) drawRect(1, 0, 0, 1, 0, 0, 10, 10, false)  if shot then captureScreen(shot)  shot = nil end end
    function applyForcesAtPhysicsStep() end
    function removeBlocks() end
    function clearLuaForceFunctions() end
    function resolutionChanged(w, h) size = w .. 'x' .. h end
    function gamePaused() paused = true end
    function gameResumed() paused = false end
)";

class GameAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        gametest::writeScript("scripts/starLimits.lua", "demo = { 1, 5, 9 }");
        gametest::writeScript("scripts/blocks.lua", "material = 'wood'");
        gametest::writeScript("common/gamelogic.lua", kGameLogic);
    }
    void TearDown() override {
        app.reset();
        startupValues() = StartupValues();
    }

    GameApp& start(gr::RendererKind kind = gr::RendererKind::Gl2, lang::Ref<flurry::Flurry::Impl> analytics = nullptr) {
        return build(os, kind, std::move(analytics));
    }
    /// Starts the game with what a command line asks of it.
    GameApp& startWith(const framework::RunOptions& options) {
        runOs.emplace(std::vector<std::string>{"tumble"}, options);
        return build(*runOs, gr::RendererKind::Gl2, nullptr);
    }
    GameApp& build(framework::OSInterface& system, gr::RendererKind kind, lang::Ref<flurry::Flurry::Impl> analytics) {
        context = new FakeContext(kind);
        StartupValues& values = startupValues();
        values.dataPath = ".";
        values.shaderPath = "shaders";
        values.paths.scriptPath = "scripts";
        values.paths.commonScriptPath = "common";
        app = std::make_unique<GameApp>(*context, system, std::move(analytics));
        return *app;
    }
    GameLua& game() { return app->game(); }
    void run(const std::string& source) {
        io::ByteArrayInputStream input(std::vector<std::uint8_t>(source.begin(), source.end()), "test.lua");
        game().state().runChunk(input, "test.lua", &game());
    }
    void saveSettings(const std::string& text) {
        gametest::writeFile(std::filesystem::path(io::getAppDataPath()) / "settings.lua", gametest::encipherSave(text));
    }

    TempFolder folder;
    FakeOS os;
    std::optional<FakeOS> runOs;
    lang::Ref<FakeContext> context;
    std::unique_ptr<GameApp> app;
};

TEST_F(GameAppTest, StartsUpInOrder) {
    start();
    const lua::LuaTable order = game().getTable("order");
    EXPECT_EQ(order.getString(1), "logic");
    EXPECT_EQ(order.getString(2), "updateValues");
    EXPECT_EQ(order.getString(3), "createStartUpAssets");
    EXPECT_TRUE(game().getBoolean("sawBlocks"));
    EXPECT_TRUE(game().getBoolean("sawStars"));
    EXPECT_EQ(context->shaderPath, "shaders/gl2");
    EXPECT_EQ(context->shaders, (std::vector<std::string>{"2d-sprite-alpha-masked", "2d-sprite", "2d-sprite-alpha",
                                                          "2d-vertexcolor-alpha", "2d-vertexcolor"}));
    // The paths now live only in the scripts' globals; the shader folder stays.
    EXPECT_EQ(startupValues().dataPath, "");
    EXPECT_EQ(startupValues().paths.scriptPath, "");
    EXPECT_EQ(startupValues().shaderPath, "shaders");
    EXPECT_EQ(game().getString("scriptPath"), "scripts");
    for (const char* table : {"keyPressed", "keyReleased", "keyHold"}) {
        EXPECT_EQ(game().getTable(table).count(), framework::kKeyCodeCount) << table;
        EXPECT_TRUE(game().getTable(table).isBoolean("KEY_ZOOM")) << table;
    }
    EXPECT_EQ(app->masterVolume(), 1.0f);
}

/// An analytics service that writes down every call as one line.
class RecordingAnalytics : public flurry::Flurry::Impl {
public:
    void startSession(const std::string& key) override { calls.push_back("start " + key); }
    void endSession() override { calls.push_back("end"); }
    void logEvent(const std::string& name, const flurry::Flurry::Parameters& parameters) override {
        std::string call = "event " + name;
        for (const auto& [key, value] : parameters)
            call += " " + key + "=" + value;
        calls.push_back(call);
    }
    std::vector<std::string> calls;
};

TEST_F(GameAppTest, TheAnalyticsSessionHearsTheCustomerStringTheScriptsAndTheEnd) {
    gametest::writeScript("common/gamelogic.lua", std::string(kGameLogic) + "customerString = 'C-42'");
    lang::Ref<RecordingAnalytics> analytics = new RecordingAnalytics();
    start(gr::RendererKind::Gl2, analytics);
    run(R"(
        Flurry.startSession('key-1')
        Flurry:logEvent('plain')
        Flurry.logEvent('text', 'just this')
        Flurry:logEvent('table', { level = 'water', stars = 3, nested = { x = '1' }, [1] = 'listed', won = true })
        Flurry.endSession()
    )");
    EXPECT_EQ(analytics->calls,
              (std::vector<std::string>{"event Customer String ID=C-42", "start key-1", "event plain",
                                        "event text text=just this", "event table level=water stars=3", "end"}));
    EXPECT_NE(testsupport::failureOf([&] { run("Flurry.logEvent(nil)"); }).find("Excepted type"), std::string::npos);
    app.reset();
    EXPECT_EQ(analytics->calls.back(), "end");
    EXPECT_EQ(analytics->calls.size(), 7u);
}

TEST_F(GameAppTest, RenderersWithoutShadersLoadNone) {
    start(gr::RendererKind::Gles1);
    EXPECT_TRUE(context->shaders.empty());
    EXPECT_EQ(context->shaderPath, "shaders/gles1");
}

TEST_F(GameAppTest, AMissingGameLogicFailsTheStart) {
    std::filesystem::remove("common/gamelogic.lua");
    EXPECT_THROW(start(), lang::Throwable);
}

TEST_F(GameAppTest, KeyEdgesLastOneFrameAndHoldFollowsTheHost) {
    start();
    app->keyDown(kKeyA);
    app->setKeyDown(kKeyA, true);
    app->update(0.016f, *context, 3);
    EXPECT_TRUE(game().keyPressedTable().getBoolean("A"));
    EXPECT_TRUE(game().keyHoldTable().getBoolean("A"));
    EXPECT_FALSE(game().keyReleasedTable().getBoolean("A"));
    app->update(0.016f, *context, 3);
    EXPECT_FALSE(game().keyPressedTable().getBoolean("A"));
    EXPECT_TRUE(game().keyHoldTable().getBoolean("A"));
    app->keyUp(kKeyA);
    app->setKeyDown(kKeyA, false);
    app->update(0.016f, *context, 3);
    EXPECT_TRUE(game().keyReleasedTable().getBoolean("A"));
    EXPECT_FALSE(game().keyHoldTable().getBoolean("A"));
}

TEST_F(GameAppTest, VolumeKeysStepByATenthWithinZeroAndOne) {
    saveSettings("volume = 0.95");
    start();
    EXPECT_FLOAT_EQ(app->masterVolume(), 0.95f);
    app->keyDown(kKeyAdd);
    app->update(0.0f, *context, 3);
    EXPECT_EQ(app->masterVolume(), 1.0f);
    EXPECT_EQ(game().getTable("settings").getNumber("volume"), 1.0f);

    // Up and down in one frame: up first (clamped), then down.
    app->keyDown(kKeyAdd);
    app->keyDown(kKeySubtract);
    app->update(0.0f, *context, 3);
    EXPECT_FLOAT_EQ(app->masterVolume(), 0.9f);
    for (int i = 0; i < 12; ++i) {
        app->keyDown(kKeyVolumeDown);
        app->update(0.0f, *context, 3);
    }
    EXPECT_EQ(app->masterVolume(), 0.0f);
    EXPECT_EQ(game().getTable("settings").getNumber("volume"), 0.0f);
}

TEST_F(GameAppTest, AudioOffPlatformsSwitchTheSavedAudioOff) {
    os.audioOff = true;
    start();
    const lua::LuaTable settings = game().getTable("settings");
    EXPECT_TRUE(settings.isBoolean("audioEnabled"));
    EXPECT_FALSE(settings.getBoolean("audioEnabled"));
}

TEST_F(GameAppTest, WheelZoomsUnlessControlIsHeldAndTheCursorHearsOfIt) {
    start();
    app->setKeyDown(kKeyControl, true);
    app->mouseWheel(2);
    EXPECT_FALSE(app->zoom().isAnimating());
    EXPECT_EQ(game().cursorTable().getNumber("wheel"), 2.0f);
    EXPECT_TRUE(game().cursorTable().getBoolean("wheelTriggered"));
    app->update(0.0f, *context, 3);
    EXPECT_FALSE(game().cursorTable().getBoolean("wheelTriggered"));

    app->setKeyDown(kKeyControl, false);
    app->setKeyDown(kKeyShift, true);
    app->mouseWheel(1);
    EXPECT_FLOAT_EQ(app->zoom().animationTarget(), 1.01f);
    // The frame advances the animation.
    app->update(0.6f, *context, 3);
    EXPECT_FLOAT_EQ(app->zoom().zoom(), 1.01f);
}

TEST_F(GameAppTest, PinchFollowsTheTouchList) {
    start();
    app->touchBegan({1, 0, 0});
    app->touchBegan({2, 100, 0});
    app->update(0.0f, *context, 3);
    app->touchMoved({2, 300, 0});
    app->update(0.0f, *context, 3);
    EXPECT_FLOAT_EQ(app->zoom().zoom(), 3.0f);
}

TEST_F(GameAppTest, AFrameDrawsClearsPresentsAndCaptures) {
    start();
    context->events.clear();
    app->update(0.016f, *context, 3);
    EXPECT_EQ(context->events,
              (std::vector<std::string>{"beginScene", "clear", "fillRect", "endScene", "present", "endFrame"}));
    EXPECT_EQ(context->clears.back(), 0xFFFFFFFFu);
    run("setBGColor(1, 2, 3)");
    app->update(0.016f, *context, 3);
    EXPECT_EQ(context->clears.back(), 0xFF010203u);

    run("shot = 'frame.png'");
    context->events.clear();
    app->update(0.016f, *context, 3);
    EXPECT_EQ(context->events, (std::vector<std::string>{"beginScene", "clear", "fillRect", "endScene", "present",
                                                         "saveScreen frame.png", "endFrame"}));
}

TEST_F(GameAppTest, AScreenshotThatCannotBeWrittenIsLoggedAndTheGameGoesOn) {
    start();
    gametest::LogCapture log;
    run("shot = '/no/such/dir/x.png'");
    EXPECT_NO_THROW(app->update(0.016f, *context, 3));
    EXPECT_TRUE(log.has(lang::log::Error, "saveScreenCapture",
                        "Failed to save screen to /no/such/dir/x.png: No such file or directory"));
    context->events.clear();
    app->update(0.016f, *context, 3);
    EXPECT_EQ(context->events,
              (std::vector<std::string>{"beginScene", "clear", "fillRect", "endScene", "present", "endFrame"}));
}

TEST_F(GameAppTest, WithUpdatingOffTheFrameIsOnlyPresented) {
    start();
    run("setUpdating(false)");
    context->events.clear();
    app->update(0.016f, *context, 3);
    EXPECT_EQ(context->events, (std::vector<std::string>{"present", "endFrame"}));
}

TEST_F(GameAppTest, AMissingUpdateFailsTheFirstFrame) {
    start();
    game().setNil("update");
    try {
        app->update(0.016f, *context, 3);
        FAIL() << "no exception";
    } catch (const lua::LuaException& error) {
        EXPECT_NE(std::string(error.what()).find("attempt to call a nil value"), std::string::npos);
    }
}

TEST_F(GameAppTest, EventsReachTheScripts) {
    start();
    app->mouseMoved(12, 34);
    EXPECT_EQ(game().cursorTable().getNumber("x"), 12.0f);
    EXPECT_EQ(game().cursorTable().getNumber("y"), 34.0f);
    context->resize(640, 480);
    app->resolutionChanged();
    EXPECT_EQ(game().getString("size"), "640x480");
    app->setKeyDown(kKeyA, true);
    app->setActive(false);
    EXPECT_TRUE(game().getBoolean("paused"));
    EXPECT_FALSE(app->isKeyDown(kKeyA));
    app->setActive(true);
    EXPECT_FALSE(game().getBoolean("paused"));
    EXPECT_TRUE(app->setForeground(true));
    EXPECT_TRUE(app->isForeground());
    context->setOrientation(2);
    EXPECT_EQ(app->contextOrientation(), 0);
    app->orientationChanged();
    EXPECT_EQ(app->contextOrientation(), 2);
}

TEST_F(GameAppTest, TheForegroundStartsAndStopsTheScriptsAudioOutput) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    gametest::writeFile("tone.wav", audiotest::samplesWav(std::vector<std::int16_t>(441, 100)));
    gametest::writeScript("common/gamelogic.lua",
                          std::string(kGameLogic) +
                              "res.createAudioOutput(2, 16, 44100)  res.createAudio('tone.wav', 'tone')");
    start();
    audio::AudioOutput& output = *app->resources().audioOutput();
    EXPECT_FALSE(output.isRunning());
    EXPECT_TRUE(app->setForeground(true));
    EXPECT_TRUE(output.isRunning());
    // The game starts with at most four sounds at once on track 1.
    run("handles = {}  for i = 1, 5 do handles[i] = res.playAudio('tone', 1, 0, 1) end");
    EXPECT_EQ(game().getTable("handles").getNumber(4), 3.0f);
    EXPECT_EQ(game().getTable("handles").getNumber(5), -1.0f);
    EXPECT_TRUE(app->setForeground(false));
    EXPECT_FALSE(output.isRunning());
    run("settings.audioEnabled = false");
    EXPECT_TRUE(app->setForeground(true));
    EXPECT_FALSE(output.isRunning());
}

// A record or replay run: the level asked for is there before the game logic runs, the scripts'
// sound answers the same whatever the device does, as though nothing could play, and the game
// timer counts the frames' time.
TEST_F(GameAppTest, AReproducibleRunStartsItsLevelIsSilentAndTimesByFrames) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    gametest::writeFile("tone.wav", audiotest::samplesWav(std::vector<std::int16_t>(441, 100)));
    gametest::writeScript("common/gamelogic.lua", std::string(kGameLogic) + R"(
        levelAtLoad = startLevel
        res.createAudioOutput(2, 16, 44100)  res.createAudio('tone.wav', 'tone')
    )");
    startWith({1u, 3, true});
    EXPECT_EQ(game().getNumber("levelAtLoad"), 3.0f);
    EXPECT_FALSE(app->setForeground(true));
    app->update(0.0f, *context, 3); // the watchdog's restart
    run("handle = res.playAudio('tone', 1, 1, 1)  playing = res.isAudioPlaying('tone')");
    EXPECT_EQ(game().getNumber("handle"), -1.0f);
    EXPECT_FALSE(game().getBoolean("playing"));
    EXPECT_FALSE(app->resources().audioOutput()->isRunning());
    context->setTime(2.5f);
    run("timer = getGameTimer()");
    EXPECT_EQ(game().getNumber("timer"), 3.0f);
}

TEST_F(GameAppTest, VolumeKeysStepTheOutputsVolumeFromWhereTheScriptsLeftIt) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    saveSettings("volume = 0.95");
    gametest::writeScript("common/gamelogic.lua", std::string(kGameLogic) + "res.createAudioOutput(1, 8, 22050)");
    start();
    audio::AudioOutput& output = *app->resources().audioOutput();
    EXPECT_FLOAT_EQ(output.getMasterVolume(), 0.95f);
    app->keyDown(kKeyAdd);
    app->update(0.0f, *context, 3);
    EXPECT_EQ(output.getMasterVolume(), 1.0f);
    run("res.setMasterVolume(0.5)");
    app->keyDown(kKeySubtract);
    app->update(0.0f, *context, 3);
    EXPECT_FLOAT_EQ(output.getMasterVolume(), 0.4f);
    EXPECT_FLOAT_EQ(game().getTable("settings").getNumber("volume"), 0.4f);
}

TEST_F(GameAppTest, SafeToQuitIsTheLastFramesCopy) {
    start();
    run("g_safeToQuit = true");
    EXPECT_FALSE(app->isSafeToQuit());
    app->update(0.0f, *context, 3);
    EXPECT_TRUE(app->isSafeToQuit());
}

TEST_F(GameAppTest, FactoryMakesTheGame) {
    context = new FakeContext();
    startupValues().dataPath = ".";
    startupValues().paths.scriptPath = "scripts";
    startupValues().paths.commonScriptPath = "common";
    std::unique_ptr<framework::App> made = createApp(os, *context);
    EXPECT_NE(dynamic_cast<GameApp*>(made.get()), nullptr);
    EXPECT_EQ(framework::App::instance(), made.get());
}

} // namespace
