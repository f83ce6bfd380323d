// The "res" sound methods, on SDL's dummy audio device (or the silent output where even that
// cannot be opened: both play at a device's pace).
#include "AudioFiles.h"
#include "ScriptedResources.h"
#include "audio/AudioClip.h"
#include "audio/AudioOutput.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using ::testing::HasSubstr;

/// "res" over a data folder with two one-second tones, a WAV named as another kind, and a file
/// that is no WAV.
struct LuaResourcesAudioTest : ScriptedResources {
    void SetUp() override {
        ScriptedResources::SetUp();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        writeFile("sfx/tone.wav", audiotest::samplesWav(std::vector<std::int16_t>(44100, 1000)));
        writeFile("sfx/long.wav", audiotest::samplesWav(std::vector<std::int16_t>(88200, 2000), 2));
        writeFile("sfx/tone.ogg", audiotest::samplesWav(std::vector<std::int16_t>(100, 1000)));
        writeFile("sfx/broken.wav", Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '});
    }
    bool global(const char* name) { return lua->getGlobals().getBoolean(name); }
    game::Resources& resources() { return res->resources(); }
};

} // namespace

TEST_F(LuaResourcesAudioTest, WithoutAnOutputPlayingRaisesAndQueriesAnswerQuietly) {
    const struct {
        const char* script;
        const char* message;
    } raising[] = {
        {R"(res.createAudio("sfx/tone.wav", "tone"))", "Trying to create audio but no audio output has been created"},
        {R"(res.playAudio("tone"))", "Trying to play audio clip but no audio output has been created"},
        {R"(res.stopAudio("tone"))", "Trying to stop audio clip but no audio output has been created"},
        {R"(res.stopAllAudio())", "Trying to stop all audio clips but no audio output has been created"},
        {R"(res.startAudioOutput())", "Trying to start audio output but no audio output has been created"},
        {R"(res.startAudioInput())", "Trying to start audio input but no audio input has been created"},
        {R"(res.setTrackVolume(0.5, 1))", "Trying to set track volume but no audio output has been created"},
        {R"(res.getTrackVolume(1))", "Trying to get track volume but no audio output has been created"},
        {R"(res.createAudioOutput(3, 16, 44100))", "Unsupported count of channels while creating AudioOutput"},
        {R"(res.createAudioOutput(2, 24, 44100))", "Unsupported bits per sample while creating AudioOutput"},
        {R"(res.createAudioInput(1, 8, 44000))", "Unsupported samples per second while creating AudioInput"},
    };
    for (const auto& [script, message] : raising)
        EXPECT_THAT(failureOf(script), HasSubstr(message)) << script;

    run(R"(
        res.stopAudioOutput()
        res.stopAudioInput()
        res.setMasterVolume(0.5)
        quiet = not res.isAudioPlaying(0) and not res.isAudioPlaying("tone")
    )");
    EXPECT_TRUE(global("quiet"));
    EXPECT_EQ(resources().audioOutput(), nullptr);
}

TEST_F(LuaResourcesAudioTest, ClipsPlayByHandleAndNameUntilStoppedOrReleased) {
    run(R"(
        res.createAudioOutput(2, 16, 44100)
        res.startAudioOutput()
        res.setPath("sfx")
        res.createAudio("tone.wav", "tone", false)
        res.createAudio("long.wav", "long")
        handles = { res.playAudio("tone"), res.playAudio("long", 0.5, 1, 3), res.playAudio("nothing") }
        playing = res.isAudioPlaying(0) and res.isAudioPlaying(1) and res.isAudioPlaying("long")
        res.stopAudio("tone")
        stopped = not res.isAudioPlaying(0) and not res.isAudioPlaying("tone") and res.isAudioPlaying(1)
        res.releaseAudio("long")
        released = not res.isAudioPlaying(1) and res.playAudio("long") == -1
    )");
    EXPECT_EQ(numbers("handles"), (std::vector<float>{0, 1, -1}));
    EXPECT_TRUE(global("playing"));
    EXPECT_TRUE(global("stopped"));
    EXPECT_TRUE(global("released"));
    EXPECT_EQ(resources().audioClips().count("long"), 0u);
    // The clip loaded into memory holds all of its second of mono sound.
    EXPECT_EQ(resources().audioClips().at("tone")->dataLength(), 88200);
}

TEST_F(LuaResourcesAudioTest, CompositesReplacementsAndFailedCreatesKeepTheRegistrySound) {
    run(R"(
        res.createAudioOutput(2, 16, 44100)
        res.startAudioOutput()
        res.createAudio("sfx/tone.wav", "a")
        res.createAudio("sfx/long.wav", "b", false)
        res.createCompositeAudio("ab", { "a", "unknown", "b" })
        first = res.playAudio("a", 1, 1)
    )");
    EXPECT_EQ(resources().audioClips().at("ab")->dataLength(), 88200 + 176400);

    // Replacing a clip stops what plays of the old one; a create that fails changes nothing.
    const audio::AudioClip* before = resources().audioClips().at("a").get();
    run(R"(res.createAudio("sfx/long.wav", "a"))");
    EXPECT_FALSE(resources().audioOutput()->isPlaying(0));
    EXPECT_NE(resources().audioClips().at("a").get(), before);
    const audio::AudioClip* replaced = resources().audioClips().at("a").get();
    EXPECT_THAT(failureOf(R"(res.createAudio("sfx/broken.wav", "a"))"),
                HasSubstr("Only RIFF/WAVE sounds are currently supported"));
    EXPECT_THAT(failureOf(R"(res.createAudio("sfx/missing.wav", "a"))"), HasSubstr("missing.wav"));
    EXPECT_THAT(failureOf(R"(res.createAudio("sfx/tone.ogg", "a"))"), HasSubstr("Unsupported audio file format"));
    EXPECT_EQ(resources().audioClips().at("a").get(), replaced);

    run(R"(
        res.setTrackVolume(3, 1)
        res.setTrackVolume(-0.5, 2)
        volumes = { res.getTrackVolume(1), res.getTrackVolume(2), res.getTrackVolume(0) }
    )");
    EXPECT_EQ(numbers("volumes"), (std::vector<float>{1, 0, 1}));
    EXPECT_THAT(failureOf("res.setTrackVolume(1, 8)"), HasSubstr("Track 8 out of bounds! Range [0-7]"));
}

TEST_F(LuaResourcesAudioTest, AMachineWithoutASoundDeviceRunsSilentRatherThanFailing) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    run(R"(
        res.createAudioOutput(2, 16, 44100)
        res.startAudioOutput()
        res.createAudio("sfx/tone.wav", "tone")
        handle = res.playAudio("tone")
        playing = res.isAudioPlaying(handle)
    )");
    ASSERT_NE(resources().audioOutput(), nullptr);
    EXPECT_TRUE(resources().audioOutput()->isRunning());
    EXPECT_EQ(lua->getGlobals().getNumber("handle"), 0.0f);
    EXPECT_TRUE(global("playing"));
}
