#include "audio/AudioOutput.h"
#include "audio/AudioInput.h"
#include "audio/AudioOutputImpl.h"
#include "audio/AudioSink.h"
#include "audio/NullAudioSink.h"

#include "PcmClip.h"
#include "lang/Exception.h"
#include "lang/Log.h"
#include "lang/Thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

using audio::AudioFormat;
using audio::AudioOutput;
using audio::AudioOutputImpl;
using testsupport::pcmClip16;

namespace {

constexpr AudioFormat kStereo16{2, 16, 44100};

/// Keeps the records logged while it exists.
struct LogRecorder : lang::log::Listener {
    void log(const lang::log::Record& record) override { records.push_back(record); }
    std::vector<lang::log::Record> records;
};

/// A device whose queue fill the test sets; remembers the last bytes queued.
struct RecordingSink : audio::AudioSink {
    bool start() override { return !refuseStart; }
    void stop() override { queued = 0; }
    int queuedBytes() override { return queued; }
    void queue(const void* bytes, int count) override {
        last.resize((count + 1) / 2);
        std::memcpy(last.data(), bytes, count);
        queued += count;
    }

    bool refuseStart = false;
    int queued = 0;
    std::vector<std::int16_t> last;
};

struct RecordedOutput {
    explicit RecordedOutput(const AudioFormat& format = kStereo16) {
        auto owned = std::make_unique<RecordingSink>();
        sink = owned.get();
        output = new AudioOutputImpl(format, std::move(owned));
    }
    RecordingSink* sink;
    lang::Ref<AudioOutputImpl> output;
};

TEST(AudioOutput, ARoundMixesTheFreeBytesOnceAnEighthOfTheBufferIsFree) {
    struct Case {
        AudioFormat format;
        int bufferSize;
    };
    // 50 ms, rounded up to whole frames where the rate does not divide evenly.
    for (const Case& c : {Case{kStereo16, 8820}, Case{{2, 16, 11025}, 2208}, Case{{1, 8, 8000}, 400}}) {
        RecordedOutput recorded(c.format);
        const int frame = c.format.bytesPerFrame();
        ASSERT_EQ(recorded.output->bufferSize(), c.bufferSize);
        const int eighth = c.bufferSize / 8;
        const std::pair<int, int> queuedToMixed[] = {
            {c.bufferSize - eighth + 1, 0},
            {c.bufferSize - eighth - frame, (eighth + frame) / frame * frame},
            {0, c.bufferSize},
        };
        for (auto [queued, mixed] : queuedToMixed) {
            recorded.sink->queued = queued;
            EXPECT_EQ(recorded.output->mixRound(), mixed) << queued;
            EXPECT_EQ(recorded.sink->queued, queued + mixed);
        }
    }
}

TEST(AudioOutput, MasterVolumeScalesTheMixAndRefusesLevelsAboveFull) {
    RecordedOutput recorded;
    auto& mixer = recorded.output->mixer();
    mixer.setEnabled(true);
    mixer.play(pcmClip16(std::vector<std::int16_t>(4096, -20000), 2), 1, true, 0);
    struct Case {
        float volume, heard;
        double factor;
    };
    const double minus50dB = std::pow(10.0, -5000 / 2000.0);
    const Case cases[] = {
        {1, 1, 1}, {0, 0, 0}, {0.5f, 0.5f, minus50dB}, {1.5f, 0.5f, minus50dB}, {-0.5f, 0.5f, minus50dB}};
    for (const Case& c : cases) {
        recorded.output->setMasterVolume(c.volume);
        EXPECT_FLOAT_EQ(recorded.output->getMasterVolume(), c.heard) << c.volume;
        recorded.sink->queued = 0;
        recorded.output->mixRound();
        EXPECT_NEAR(recorded.sink->last.front(), -20000 * c.factor, 1) << c.volume;
        EXPECT_EQ(recorded.sink->last.front(), recorded.sink->last.back());
    }
}

TEST(AudioOutput, PlaysAreRefusedUnlessStartedAndARefusingDeviceLeavesItStopped) {
    RecordedOutput recorded;
    const auto clip = pcmClip16({1, 2}, 2);
    EXPECT_EQ(recorded.output->mixer().play(clip, 1, false, 0), -1);
    recorded.sink->refuseStart = true;
    EXPECT_FALSE(recorded.output->start());
    EXPECT_FALSE(recorded.output->isRunning());
    EXPECT_EQ(recorded.output->mixer().play(clip, 1, false, 0), -1);
}

TEST(AudioOutput, SilentOutputPlaysAClipInRealTime) {
    AudioOutput output(kStereo16, std::make_unique<audio::NullAudioSink>(kStereo16));
    ASSERT_TRUE(output.start());
    EXPECT_TRUE(output.start());
    const auto clip = pcmClip16(std::vector<std::int16_t>(4410 * 2, 1000), 2); // 100 ms
    const auto started = std::chrono::steady_clock::now();
    const int handle = output.play(clip, 1, false, 0);
    while (output.isPlaying(handle) && std::chrono::steady_clock::now() - started < std::chrono::seconds(2))
        lang::Thread::sleep(1);
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    // Mixing runs a 50 ms queue ahead of what is heard, so the end is read about 50 ms early.
    EXPECT_GE(elapsed.count(), 40);
    EXPECT_LE(elapsed.count(), 300);
    output.stop();
    EXPECT_FALSE(output.isRunning());
    EXPECT_EQ(output.play(clip, 1, false, 0), -1);
}

TEST(AudioOutput, OpensSdlsDeviceOrFallsBackToSilenceAndChecksFormatsFirst) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    {
        AudioOutput device(kStereo16);
        ASSERT_TRUE(device.start());
        const int handle = device.play(pcmClip16(std::vector<std::int16_t>(441 * 2, 1000), 2), 1, false, 0);
        const auto started = std::chrono::steady_clock::now();
        while (device.isPlaying(handle) && std::chrono::steady_clock::now() - started < std::chrono::seconds(2))
            lang::Thread::sleep(1);
        EXPECT_FALSE(device.isPlaying(handle)) << "the device drains its queue";
        device.stop();
    }

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_THROW(AudioOutput{kStereo16}, lang::Exception);
    LogRecorder log;
    const auto silent = audio::openAudioOutput(kStereo16);
    ASSERT_FALSE(log.records.empty());
    const auto& warning = log.records.back();
    EXPECT_EQ(warning.level, lang::log::Warning);
    EXPECT_EQ(warning.category, "Audio");
    EXPECT_NE(warning.message.find("silent"), std::string::npos) << warning.message;
    EXPECT_TRUE(silent->start());
    EXPECT_EQ(silent->play(pcmClip16({1, 2}, 2), 1, false, 0), 0);
    unsetenv("SDL_AUDIODRIVER");

    try {
        audio::openAudioOutput({3, 16, 44100});
        ADD_FAILURE();
    } catch (const lang::Exception& e) {
        EXPECT_STREQ(e.what(), "Unsupported count of channels while creating AudioOutput");
    }
    try {
        audio::AudioInput input({2, 16, 44101});
        ADD_FAILURE();
    } catch (const lang::Exception& e) {
        EXPECT_STREQ(e.what(), "Unsupported samples per second while creating AudioInput");
    }
    EXPECT_TRUE(audio::AudioInput({1, 8, 8000}).start());
}

} // namespace
