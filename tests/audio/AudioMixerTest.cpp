#include "audio/AudioMixer.h"

#include "PcmClip.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

using audio::AudioFormat;
using audio::AudioMixer;
using testsupport::pcmClip16;
using testsupport::pcmClip8;

namespace {

constexpr AudioFormat kStereo16{2, 16, 44100};
constexpr AudioFormat kMono16{1, 16, 44100};
constexpr AudioFormat kMono8{1, 8, 44100};

class Mixer : public testing::Test {
protected:
    Mixer() { mixer->setEnabled(true); }

    /// Mixes `samples` 16-bit samples (all channels counted) in `format`.
    std::vector<std::int16_t> mix16(int samples, const AudioFormat& format = kStereo16) {
        std::vector<std::int16_t> out(samples, 0x5555);
        mixer->fill(out.data(), samples * 2, format);
        return out;
    }

    lang::Ref<AudioMixer> mixer{new AudioMixer};
};

TEST_F(Mixer, TrackLimitsCountInstancesThatAreNotStopped) {
    const auto clip = pcmClip16({100, 100, 100, 100}, 2);
    EXPECT_EQ(mixer->play(clip, 1, false, 0), 0) << "the default limit never refuses";
    mixer->setChannelCountLimit(1, 0);
    EXPECT_EQ(mixer->play(clip, 1, false, 1), -1);

    mixer->setChannelCountLimit(2, 2);
    EXPECT_EQ(mixer->play(clip, 1, false, 2), 1);
    EXPECT_EQ(mixer->play(clip, 1, false, 2), 2);
    EXPECT_EQ(mixer->play(clip, 1, false, 2), -1);
    mix16(8); // every clip read to its end: not yet noticed
    EXPECT_EQ(mixer->play(clip, 1, false, 2), -1);
    mix16(8); // the next reads find the ends
    const int third = mixer->play(clip, 1, false, 2);
    EXPECT_EQ(third, 3);
    EXPECT_EQ(mixer->play(clip, 1, false, 2), 4);
    EXPECT_EQ(mixer->play(clip, 1, false, 2), -1);
    mixer->stop(third);
    EXPECT_EQ(mixer->play(clip, 1, false, 2), 5) << "a stop frees the place at once";

    mixer->setEnabled(false);
    EXPECT_EQ(mixer->play(clip, 1, false, 0), -1);
}

TEST_F(Mixer, PendingInstanceStoppedBeforeTheMixIsNeverHeard) {
    const auto clip = pcmClip16(std::vector<std::int16_t>(64, 20000), 2);
    const int handle = mixer->play(clip, 1, true, 0);
    mixer->stop(*clip);
    EXPECT_FALSE(mixer->isPlaying(handle));
    EXPECT_EQ(mix16(64), std::vector<std::int16_t>(64, 0));
    EXPECT_EQ(mixer->instanceCount(), 0u);
}

TEST_F(Mixer, PlaysOfOneClipHaveConsecutiveHandlesAndOwnCursors) {
    std::vector<std::int16_t> ramp(64);
    std::iota(ramp.begin(), ramp.end(), 1);
    const auto clip = pcmClip16(ramp, 2);
    const int first = mixer->play(clip, 1, false, 0);
    mix16(10);
    const int second = mixer->play(clip, 1, false, 3);
    EXPECT_EQ(second, first + 1);
    const auto mixed = mix16(20);
    for (int index = 0; index < 20; ++index)
        EXPECT_EQ(mixed[index], ramp[10 + index] + ramp[index]) << index;

    mixer->stop(first);
    EXPECT_TRUE(mixer->isPlaying(*clip));
    EXPECT_FALSE(mixer->isPlaying(first));
    EXPECT_TRUE(mixer->isPlaying(second));
    mixer->stop(second);
    EXPECT_FALSE(mixer->isPlaying(*clip));
}

TEST_F(Mixer, MonoClipOnStereoIsHeardOnBothChannelsAtItsOwnSpeed) {
    std::vector<std::int16_t> ramp(32);
    std::iota(ramp.begin(), ramp.end(), -16);
    mixer->play(pcmClip16(ramp, 1), 1, false, 0);
    const auto first = mix16(16); // 8 frames take 8 mono samples
    const auto second = mix16(16);
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(first[2 * frame], ramp[frame]);
        EXPECT_EQ(first[2 * frame + 1], ramp[frame]);
        EXPECT_EQ(second[2 * frame], ramp[8 + frame]);
        EXPECT_EQ(second[2 * frame + 1], ramp[8 + frame]);
    }
}

TEST(MixerSums, ScaleInFixedPointAndClampInsteadOfWrapping) {
    struct Case {
        int bits;
        std::vector<int> instances; // one constant sample per instance
        float volume, trackVolume;
        int expected;
    };
    const Case cases[] = {
        {16, {30000, 30000, 30000}, 1, 1, 32767},
        {16, {-30000, -30000, -30000}, 1, 1, -32768},
        {16, {10000, -4000}, 1, 1, 6000},
        {16, {-3}, 0.5f, 0.5f, -1},   // (−3 × 1024) >> 12 shifts arithmetically
        {16, {20000}, 0.0001f, 1, 0}, // a gain below one fixed-point step adds nothing
        {16, {20000}, -1, 1, 0},
        {16, {20000}, std::numeric_limits<float>::quiet_NaN(), 1, 0},
        {16, {1000}, 100, 1, 16000}, // a script's wild volume is heard at 16 times, no more
        {8, {200, 200}, 1, 1, 255},
        {8, {20, 20}, 1, 1, 0},
        {8, {150, 100}, 1, 1, 122},
        {8, {200}, 0.5f, 1, 164}, // (72 × 128) >> 8 above the middle
        {8, {}, 1, 1, 128},
    };
    for (const Case& c : cases) {
        lang::Ref<AudioMixer> mixer(new AudioMixer);
        mixer->setEnabled(true);
        mixer->setTrackVolume(c.trackVolume, 5);
        for (int sample : c.instances) {
            mixer->play(c.bits == 16 ? pcmClip16(std::vector<std::int16_t>(8, static_cast<std::int16_t>(sample)), 1)
                                     : pcmClip8(std::vector<std::uint8_t>(8, static_cast<std::uint8_t>(sample))),
                        c.volume, false, 5);
        }
        std::vector<std::int16_t> wide(8);
        std::vector<std::uint8_t> narrow(8);
        if (c.bits == 16)
            mixer->fill(wide.data(), 16, kMono16);
        else
            mixer->fill(narrow.data(), 8, kMono8);
        for (int index = 0; index < 8; ++index)
            EXPECT_EQ(c.bits == 16 ? wide[index] : narrow[index], c.expected) << c.bits << "-bit, volume " << c.volume;
    }
}

TEST_F(Mixer, TrackVolumesClampAndTracksOutsideTheRangeRaise) {
    const std::pair<float, float> volumes[] = {{-0.5f, 0}, {3, 1}, {0.25f, 0.25f}};
    for (auto [given, stored] : volumes) {
        mixer->setTrackVolume(given, 7);
        EXPECT_EQ(mixer->getTrackVolume(7), stored);
    }
    for (int track : {8, -1}) {
        try {
            mixer->setTrackVolume(1, track);
            ADD_FAILURE() << track;
        } catch (const lang::Exception& e) {
            EXPECT_EQ(e.message(), "Track " + std::to_string(track) + " out of bounds! Range [0-7]");
        }
        EXPECT_THROW(mixer->getTrackVolume(track), lang::Exception);
        EXPECT_THROW(mixer->setChannelCountLimit(track, 1), lang::Exception);
        EXPECT_THROW(mixer->play(pcmClip16({1}, 1), 1, false, track), lang::Exception);
    }
}

/// A streamed clip whose file fails under it.
struct FailingClip : audio::AudioClip {
    int read(void*, int, audio::AudioClipCursor&) override { throw lang::Exception(lang::Format("disk gone")); }
    int channels() const override { return 1; }
};

TEST_F(Mixer, LoopingClipWrapsExactlyWhileEmptyOrFailingClipsStopInsteadOfSpinningOrThrowing) {
    const int looping = mixer->play(pcmClip16({1, 2, 3}, 1), 1, true, 0);
    const int empty = mixer->play(pcmClip16({}, 1), 1, true, 0);
    const int failing = mixer->play(lang::Ref<audio::AudioClip>(new FailingClip), 1, true, 0);
    EXPECT_EQ(mix16(8, kMono16), (std::vector<std::int16_t>{1, 2, 3, 1, 2, 3, 1, 2}));
    EXPECT_EQ(mix16(4, kMono16), (std::vector<std::int16_t>{3, 1, 2, 3}));
    EXPECT_TRUE(mixer->isPlaying(looping));
    EXPECT_FALSE(mixer->isPlaying(empty));
    EXPECT_FALSE(mixer->isPlaying(failing));
}

} // namespace
