#include "Instruments.h"

#include "Biquad.h"
#include "Envelope.h"
#include "Noise.h"
#include "Oscillator.h"

#include <algorithm>
#include <cmath>

namespace sound {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;
// Every instrument fades its last moments out, however far its decay has come.
constexpr double kEndFade = 0.02;

Sound finished(Sound sound) {
    sound.fadeOut(kEndFade);
    return sound;
}

} // namespace

double noteFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

Sound modalHit(const std::vector<Mode>& modes, double seconds) {
    return finished(Sound::generate(seconds, [&](double t) {
        double sum = 0;
        for (const Mode& mode : modes)
            sum += mode.amplitude * strike(t, 0.001, mode.decay) * std::sin(kTwoPi * mode.frequency * t);
        return static_cast<float>(sum);
    }));
}

Sound noiseBurst(double seconds, double centre, double q, double decay, std::uint32_t seed) {
    Noise noise(seed);
    Biquad band(FilterKind::BandPass, centre, q);
    return finished(
        Sound::generate(seconds, [&](double t) { return band.process(noise.next()) * strike(t, 0.0005, decay); }));
}

Sound pluck(double frequency, double seconds, std::uint32_t seed) {
    // One trip round the string is a whole number of samples in the line, half a sample in the
    // smoothing and the rest in an all-pass filter, whose delay can be any fraction: high notes,
    // whose periods are few samples long, stay in tune.
    const double period = kSampleRate / frequency;
    const int length = std::max(2, static_cast<int>(std::floor(period - 0.6)));
    const double fraction = period - 0.5 - length;
    const double allPass = (1 - fraction) / (1 + fraction);
    std::vector<float> line(length);
    Noise noise(seed);
    Biquad softer(FilterKind::LowPass, frequency * 8);
    for (float& value : line)
        value = softer.process(noise.next());
    // The noise's average would stay in the string as an offset: the high pass takes it out.
    Biquad noOffset(FilterKind::HighPass, 40);
    int index = 0;
    double previousOut = 0, allPassIn = 0, allPassOut = 0;
    return finished(Sound::generate(seconds, [&](double t) {
        const double out = line[index];
        const double smoothed = 0.4985 * (out + previousOut);
        previousOut = out;
        allPassOut = allPass * smoothed + allPassIn - allPass * allPassOut;
        allPassIn = smoothed;
        line[index] = static_cast<float>(allPassOut);
        index = (index + 1) % length;
        return noOffset.process(static_cast<float>(out)) * strike(t, 0.002, 10.0);
    }));
}

Sound lead(double frequency, double held) {
    const double release = 0.12;
    Oscillator first(Waveform::Pulse, 0.3), second(Waveform::Pulse, 0.3, 0.37), vibrato(Waveform::Sine);
    Biquad tone(FilterKind::LowPass, frequency * 4, 0.9);
    return finished(Sound::generate(held + release, [&](double t) {
        const double depth = 0.006 * std::clamp((t - 0.15) / 0.2, 0.0, 1.0);
        const double pitch = frequency * (1 + depth * vibrato.next(5.5));
        // The tone opens at the attack and mellows as the note is held.
        tone.tune(frequency * 3 + 2500 * strike(t, 0.005, 0.15), 0.9);
        const float raw = 0.5f * (first.next(pitch * 1.003) + second.next(pitch * 0.997));
        return tone.process(raw) * adsr(t, held, 0.012, 0.12, 0.65f, release);
    }));
}

Sound bass(double frequency, double held) {
    const double release = 0.06;
    Oscillator saw(Waveform::Saw), sub(Waveform::Sine);
    Biquad tone(FilterKind::LowPass, frequency * 2, 1.1);
    return finished(Sound::generate(held + release, [&](double t) {
        tone.tune(frequency * 2 + 900 * strike(t, 0.003, 0.08), 1.1);
        const float raw = 0.6f * saw.next(frequency) + 0.7f * sub.next(frequency / 2);
        return tone.process(raw) * adsr(t, held, 0.005, 0.2, 0.7f, release);
    }));
}

Sound bell(double frequency, double seconds) {
    return modalHit({{frequency, 0.5, 1}, {frequency * 2.756, 0.2, 0.35}, {frequency * 5.404, 0.08, 0.15}}, seconds);
}

Sound pad(double frequency, double held) {
    const double release = 0.8;
    Oscillator first(Waveform::Saw), second(Waveform::Saw, 0.5, 0.31), body(Waveform::Triangle);
    Biquad tone(FilterKind::LowPass, std::min(frequency * 3, 2400.0), 0.6);
    return finished(Sound::generate(held + release, [&](double t) {
        const float raw =
            0.3f * (first.next(frequency * 1.004) + second.next(frequency * 0.996)) + 0.6f * body.next(frequency);
        return tone.process(raw) * adsr(t, held, 0.45, 0.5, 0.8f, release);
    }));
}

Sound kick() {
    Oscillator body(Waveform::Sine);
    Noise noise(7);
    Biquad click(FilterKind::HighPass, 2000);
    return finished(Sound::generate(0.4, [&](double t) {
        const double pitch = 45 + 105 * std::exp(-t / 0.035);
        return 0.9f * body.next(pitch) * strike(t, 0.001, 0.1) +
               0.3f * click.process(noise.next()) * strike(t, 0.0005, 0.004);
    }));
}

Sound snare() {
    Noise noise(11);
    Biquad wires(FilterKind::BandPass, 1900, 0.7);
    Oscillator head(Waveform::Triangle);
    return finished(Sound::generate(0.3, [&](double t) {
        const double pitch = 185 * (1 + 0.3 * std::exp(-t / 0.02));
        return 1.6f * wires.process(noise.next()) * strike(t, 0.001, 0.055) +
               0.5f * head.next(pitch) * strike(t, 0.001, 0.04);
    }));
}

Sound hiHat() {
    Noise noise(23);
    Biquad hiss(FilterKind::HighPass, 7000, 0.8);
    return finished(
        Sound::generate(0.09, [&](double t) { return hiss.process(noise.next()) * strike(t, 0.0005, 0.018); }));
}

} // namespace sound
