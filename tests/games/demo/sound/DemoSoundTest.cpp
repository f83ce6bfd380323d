// The sound generator of the demo game: it writes every sound the game's script loads as a WAV
// file the engine's mixer plays as it is, the loops repeat without a seam, the materials sound
// from bright glass down to stone, and the instruments sound at the pitches asked for.
#include "Biquad.h"
#include "Instruments.h"
#include "Noise.h"
#include "Oscillator.h"
#include "SoundFolder.h"
#include "Sounds.h"
#include "WorkingFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

std::uint32_t littleEndian(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

// A WAV file read by its own parser, not the generator's code: the format fields and the
// samples of each channel.
struct Wav {
    std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::vector<int>> samples; // per channel
};

Wav readWav(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    Wav wav;
    EXPECT_GE(bytes.size(), 44u) << file;
    if (bytes.size() < 44)
        return wav;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF") << file;
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE") << file;
    EXPECT_EQ(littleEndian(bytes, 4, 4), bytes.size() - 8) << file;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
        const std::uint32_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            wav.format = littleEndian(bytes, body, 2);
            wav.channels = littleEndian(bytes, body + 2, 2);
            wav.rate = littleEndian(bytes, body + 4, 4);
            wav.byteRate = littleEndian(bytes, body + 8, 4);
            wav.blockAlign = littleEndian(bytes, body + 12, 2);
            wav.bits = littleEndian(bytes, body + 14, 2);
        } else if (id == "data" && wav.channels > 0) {
            EXPECT_EQ(body + size, bytes.size()) << file << ": the data runs to the end of the file";
            wav.samples.resize(wav.channels);
            for (std::size_t sample = 0; sample < size / 2; ++sample)
                wav.samples[sample % wav.channels].push_back(
                    static_cast<std::int16_t>(littleEndian(bytes, body + 2 * sample, 2)));
        }
        at = body + size;
    }
    return wav;
}

// How far the samples move from one to the next on average, and across the seam of a loop.
double meanStep(const std::vector<int>& samples) {
    double sum = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        sum += std::abs(samples[i] - samples[i - 1]);
    return sum / static_cast<double>(samples.size() - 1);
}

TEST(DemoSoundTest, EverySoundTheGameLoadsIsAWavTheMixerPlaysAsItIs) {
    struct Case {
        const char* name;
        std::uint32_t channels;
        bool loops;
    };
    // The clip names the game's scripts load and the build ships (the music's WAVs become MP3s).
    const Case cases[] = {
        {"launch", 1, false},     {"impact_wood", 1, false}, {"impact_glass", 1, false}, {"impact_stone", 1, false},
        {"break_wood", 1, false}, {"break_glass", 1, false}, {"break_stone", 1, false},  {"target", 1, false},
        {"win", 1, false},        {"lose", 1, false},        {"star", 1, false},         {"roll", 1, true},
        {"portal", 1, false},     {"splash", 1, false},      {"dash", 1, false},         {"split", 1, false},
        {"blast", 1, false},      {"click", 1, false},       {"music", 2, true},         {"music_menu", 2, true},
    };
    testsupport::WorkingFolder folder;
    std::filesystem::create_directories("sounds");
    std::ofstream("sounds/dropped.wav") << "a sound no longer made";
    const std::vector<std::string> written = sound::writeSoundFolder("sounds");
    EXPECT_FALSE(std::filesystem::exists("sounds/dropped.wav"));
    std::set<std::string> expected;
    for (const Case& c : cases)
        expected.insert(c.name);
    EXPECT_EQ(std::set<std::string>(written.begin(), written.end()), expected);

    for (const Case& c : cases) {
        const Wav wav = readWav(std::string("sounds/") + c.name + ".wav");
        // 16-bit PCM at 44.1 kHz: the format the game's output mixes without conversion.
        EXPECT_EQ(wav.format, 1u) << c.name;
        EXPECT_EQ(wav.channels, c.channels) << c.name;
        EXPECT_EQ(wav.rate, 44100u) << c.name;
        EXPECT_EQ(wav.bits, 16u) << c.name;
        EXPECT_EQ(wav.blockAlign, 2 * c.channels) << c.name;
        EXPECT_EQ(wav.byteRate, 44100 * 2 * c.channels) << c.name;
        ASSERT_EQ(wav.samples.size(), c.channels) << c.name;
        for (const std::vector<int>& channel : wav.samples) {
            ASSERT_GT(channel.size(), 4410u) << c.name << " lasts at least a tenth of a second";
            const int peak = std::max(*std::max_element(channel.begin(), channel.end()),
                                      -*std::min_element(channel.begin(), channel.end()));
            EXPECT_GT(peak, 8000) << c.name << " is loud enough to hear";
            EXPECT_LT(peak, 32000) << c.name << " stays clear of clipping";
            const double seam = std::abs(channel.front() - channel.back());
            if (c.loops)
                EXPECT_LE(seam, 4 * meanStep(channel)) << c.name << " jumps where it repeats";
            else
                EXPECT_TRUE(std::abs(channel.front()) <= 100 && std::abs(channel.back()) <= 100)
                    << c.name << " starts or ends with a click: " << channel.front() << ", " << channel.back();
        }
    }
}

// The typical frequency of a mono sound (hertz): the rate of its slope over its level, which is the
// frequency for a sine and leans towards the loud part of the spectrum for anything else.
double brightness(const sound::Sound& clip) {
    double slope = 0, level = 0;
    for (int frame = 1; frame < clip.frames(); ++frame) {
        const double step = clip.sample(frame, 0) - clip.sample(frame - 1, 0);
        slope += step * step;
        level += clip.sample(frame, 0) * clip.sample(frame, 0);
    }
    return sound::kSampleRate / 6.28318530717958647692 * std::sqrt(slope / level);
}

// Each material sounds like itself: glass rings above wood and stone when struck, and breaking glass
// tinkles above splintering wood, which cracks above crumbling stone. A material's sound under
// another's name shows here.
TEST(DemoSoundTest, MaterialsSoundFromBrightGlassDownToStone) {
    const std::vector<sound::NamedSound> effects = sound::effectSounds();
    const auto named = [&](const std::string& name) -> const sound::Sound& {
        const auto found = std::find_if(effects.begin(), effects.end(), [&](const auto& e) { return e.name == name; });
        if (found == effects.end())
            throw std::runtime_error("no effect " + name);
        return found->sound;
    };
    const std::pair<const char*, const char*> brighterThan[] = {{"impact_glass", "impact_wood"},
                                                                {"impact_glass", "impact_stone"},
                                                                {"break_glass", "break_wood"},
                                                                {"break_wood", "break_stone"}};
    for (const auto& [brighter, darker] : brighterThan)
        EXPECT_GT(brightness(named(brighter)), 1.5 * brightness(named(darker))) << brighter << " over " << darker;
}

// A filtered loop is what the filter makes of the loop repeated for ever: filtering the loop three
// times in a row must end in the same samples as filtering it in place.
TEST(DemoSoundTest, AFilteredLoopIsTheFiltersSteadyStateOfTheRepeatedLoop) {
    struct Case {
        const char* name;
        sound::FilterKind kind;
        double frequency, q;
    };
    const Case cases[] = {{"low pass", sound::FilterKind::LowPass, 200, 2},
                          {"high pass", sound::FilterKind::HighPass, 3000, 0.7},
                          {"band pass", sound::FilterKind::BandPass, 900, 4}};
    sound::Noise noise(5);
    const sound::Sound loop = sound::Sound::generate(0.05, [&](double) { return noise.next(); });
    for (const Case& c : cases) {
        sound::Sound filtered = loop;
        sound::Biquad(c.kind, c.frequency, c.q).processLoop(filtered);
        sound::Biquad repeated(c.kind, c.frequency, c.q);
        float largestDifference = 0;
        for (int pass = 0; pass < 3; ++pass)
            for (int frame = 0; frame < loop.frames(); ++frame) {
                const float value = repeated.process(loop.sample(frame, 0));
                if (pass == 2)
                    largestDifference = std::max(largestDifference, std::abs(value - filtered.sample(frame, 0)));
            }
        EXPECT_LT(largestDifference, 1e-4f) << c.name;
        EXPECT_GT(filtered.peak(), 0.05f) << c.name << " lets something through";
    }
}

// The period of a tone by autocorrelation over `window` frames from `start`: the shortest lag whose
// correlation comes near the best, refined between frames by a parabola through its neighbours.
double periodOf(const sound::Sound& tone, int start, int window) {
    const auto correlation = [&](int lag) {
        double sum = 0;
        for (int i = start; i < start + window; ++i)
            sum += tone.sample(i, 0) * tone.sample(i + lag, 0);
        return sum;
    };
    const int shortest = sound::kSampleRate / 2000, longest = sound::kSampleRate / 40;
    std::vector<double> values(longest + 2);
    double best = 0;
    for (int lag = shortest - 1; lag <= longest + 1; ++lag)
        best = std::max(best, values[lag] = correlation(lag));
    for (int lag = shortest; lag <= longest; ++lag)
        if (values[lag] > 0.9 * best && values[lag] >= values[lag - 1] && values[lag] >= values[lag + 1]) {
            const double bend = values[lag - 1] - 2 * values[lag] + values[lag + 1];
            return lag + (bend == 0 ? 0 : 0.5 * (values[lag - 1] - values[lag + 1]) / bend);
        }
    return 0;
}

// The melody, chords and bass are in tune: each instrument's period matches its note within a
// tenth of a semitone (the bass sounds an octave below its note, from its sub-octave sine).
TEST(DemoSoundTest, InstrumentsSoundAtTheirNotes) {
    struct Case {
        const char* name;
        sound::Sound tone;
        double sounding; // hertz
    };
    const Case cases[] = {
        {"pluck A3", sound::pluck(sound::noteFrequency(57), 0.5, 1), sound::noteFrequency(57)},
        {"pluck C6", sound::pluck(sound::noteFrequency(84), 0.5, 2), sound::noteFrequency(84)},
        {"lead G4", sound::lead(sound::noteFrequency(67), 0.5), sound::noteFrequency(67)},
        {"lead C6", sound::lead(sound::noteFrequency(84), 0.5), sound::noteFrequency(84)},
        {"bass F2", sound::bass(sound::noteFrequency(41), 0.5), sound::noteFrequency(29)},
        {"bass C3", sound::bass(sound::noteFrequency(48), 0.5), sound::noteFrequency(36)},
    };
    for (const Case& c : cases) {
        const double period = periodOf(c.tone, sound::framesOf(0.03), sound::framesOf(0.08));
        ASSERT_GT(period, 0) << c.name;
        const double cents = 1200 * std::log2(sound::kSampleRate / period / c.sounding);
        EXPECT_LT(std::abs(cents), 10) << c.name << " is off by " << cents << " cents";
    }
}

} // namespace
