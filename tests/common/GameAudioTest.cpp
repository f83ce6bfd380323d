// The game's sound: the output's watchdog, the mixer's track limits and the rolling sounds of
// round objects, on SDL's dummy audio device.
#include "AudioFiles.h"
#include "GameHarness.h"

#include "audio/AudioOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using gametest::GameHarness;

constexpr const char* kCallbacks = R"(
    function applyForcesAtPhysicsStep() end
    function removeBlocks() end
    function clearLuaForceFunctions() end
    function update(dt) end
    function blockCollision() end  function birdCollision() end)";

class GameAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        gametest::writeFile("roll.wav", audiotest::samplesWav(std::vector<std::int16_t>(4410, 500)));
        harness.start();
        harness.run(kCallbacks);
    }

    GameLua& game() { return *harness.game; }
    game::Resources& resources() { return harness.resources->resources(); }
    audio::AudioOutput& output() { return *resources().audioOutput(); }
    void makeOutput() { harness.run("res.createAudioOutput(2, 16, 44100)  res.createAudio('roll.wav', 'roll')"); }

    GameHarness harness;
};

} // namespace

TEST_F(GameAudioTest, TheWatchdogStartsAStoppedOutputOnlyInFrontWithSoundEnabled) {
    makeOutput();
    const struct {
        bool foreground;
        const char* audioEnabled;
        bool started;
    } cases[] = {
        {true, "true", true}, {false, "true", false}, {true, "false", false}, {true, "nil", false}, {true, "1", false},
    };
    for (const auto& [foreground, audioEnabled, started] : cases) {
        output().stop();
        harness.app.setForeground(foreground);
        harness.run(std::string("settings.audioEnabled = ") + audioEnabled);
        game().update(0.0f);
        EXPECT_EQ(output().isRunning(), started) << foreground << " " << audioEnabled;
    }
}

TEST_F(GameAudioTest, ChannelCountLimitsRefusePlaysBeyondThemOnTheirTrackOnly) {
    makeOutput();
    harness.run(R"(
        res.startAudioOutput()
        setChannelCountLimit(4, 1)
        handles = { res.playAudio('roll', 1, 0, 4), res.playAudio('roll', 1, 0, 4), res.playAudio('roll', 1, 0, 5) }
    )");
    const lua::LuaTable handles = game().getTable("handles");
    EXPECT_EQ(handles.getNumber(1), 0.0f);
    EXPECT_EQ(handles.getNumber(2), -1.0f);
    EXPECT_EQ(handles.getNumber(3), 1.0f);
}

TEST_F(GameAudioTest, ASpinningCirclePlaysItsRollingSoundOnTrackTwoUntilItIsRemoved) {
    // Without an output rolling objects are silent, and nothing raises.
    harness.run("createCircle('wheel', '', 0, 0, 1, 1, 0.5, 0, false, 0)  setRollingSound('wheel', 'roll')");
    harness.run("setAngularVelocity('wheel', 100)");
    EXPECT_NO_THROW(game().update(0.04f));

    makeOutput();
    harness.run("res.startAudioOutput()  setChannelCountLimit(2, 0)");
    game().update(0.04f);
    EXPECT_FALSE(resources().isAudioPlaying("roll")) << "rolling sounds play on track 2";

    harness.run("setChannelCountLimit(2, 6)");
    game().update(0.04f);
    EXPECT_TRUE(resources().isAudioPlaying("roll"));
    // A box does not roll: only circles make the sound.
    harness.run("createBox('crate', '', 5, 0, 1, 1, 1, 0.5, 0, true, false, 0)  setRollingSound('crate', 'roll')");
    harness.run("removeObject('wheel')");
    game().update(0.04f);
    EXPECT_FALSE(resources().isAudioPlaying("roll"));
}
