// The sounds of the birds' abilities: the red bird's dash, the blue bird splitting in three and the
// black bird's blast.
#include "Biquad.h"
#include "Effect.h"
#include "Envelope.h"
#include "Instruments.h"
#include "Noise.h"
#include "Oscillator.h"
#include "Sounds.h"

#include <cmath>

namespace sound {

namespace {

// The dash: air tearing past, its band sweeping up fast, over a tone that shoots up two octaves.
Sound dash() {
    const double length = 0.6;
    Noise noise(131);
    Biquad rush(FilterKind::BandPass, 600, 1.4);
    Oscillator tone(Waveform::Saw);
    Biquad toneFilter(FilterKind::LowPass, 2000, 0.9);
    Sound sound = Sound::generate(length, [&](double t) {
        const double rise = 1 - std::exp(-t / 0.12);
        rush.tune(500 + 4500 * rise, 1.4);
        const float air = rush.process(noise.next()) * strike(t, 0.03, 0.22);
        const float zip = toneFilter.process(tone.next(220 * std::pow(4.0, rise))) * strike(t, 0.01, 0.12);
        return 1.5f * air + 0.4f * zip;
    });
    sound.fadeOut(0.05);
    return normalised(sound);
}

// The split: a puff, then three quick chirps fanning out in pitch, one for each bird.
Sound split() {
    const double length = 0.5;
    Sound sound = noiseBurst(length, 1800, 0.8, 0.04, 137);
    const double starts[] = {900, 1200, 1600};
    for (int i = 0; i < 3; ++i) {
        Oscillator chirp(Waveform::Triangle);
        const double from = starts[i];
        const Sound note = Sound::generate(
            0.14, [&](double t) { return chirp.next(from * (1 + 3 * t)) * adsr(t, 0.08, 0.005, 0.03, 0.7f, 0.05); });
        sound.mix(note, framesOf(0.03 + 0.05 * i), 0.6f);
    }
    sound.fadeOut(0.03);
    return normalised(sound);
}

// The blast: a deep boom falling in pitch, a roar of low noise dying away, and debris crackling
// in the air after it.
Sound blast() {
    const double length = 1.6;
    Oscillator boom(Waveform::Sine);
    Noise noise(139);
    Biquad roar(FilterKind::LowPass, 900, 0.8);
    Sound sound = Sound::generate(length, [&](double t) {
        roar.tune(200 + 1800 * std::exp(-t / 0.15), 0.8);
        const float body = boom.next(30 + 70 * std::exp(-t / 0.08)) * strike(t, 0.002, 0.3);
        return 1.2f * body + 1.4f * roar.process(noise.next()) * strike(t, 0.004, 0.35);
    });
    Noise chance(149);
    for (int i = 0; i < 16; ++i) {
        const double at = 0.1 + 0.8 * chance.nextUnit();
        sound.mix(noiseBurst(0.05, 1500 + 3000 * chance.nextUnit(), 2.0, 0.006, 150 + i), framesOf(at),
                  0.6f * (1 - static_cast<float>(at) / 1.2f));
    }
    sound.fadeOut(0.1);
    return normalised(sound);
}

} // namespace

std::vector<NamedSound> birdSounds() {
    return {{"dash", dash(), false}, {"split", split(), false}, {"blast", blast(), false}};
}

} // namespace sound
