// The game's sound effects. Each is normalised to the same peak; the game's script balances them
// with its play volumes.
#include "Biquad.h"
#include "Envelope.h"
#include "Instruments.h"
#include "Noise.h"
#include "Oscillator.h"
#include "Sounds.h"

#include <cmath>

namespace sound {

namespace {

constexpr float kEffectPeak = 0.89f; // about 1 dB below full scale

Sound normalised(Sound sound) {
    sound.normalise(kEffectPeak);
    return sound;
}

// The band stretching: a low saw that twangs down with a wobble, under a whoosh of noise whose band
// sweeps up and down as the bird leaves.
Sound launch() {
    Oscillator band(Waveform::Saw), wobble(Waveform::Sine);
    Biquad bandTone(FilterKind::LowPass, 3000);
    Noise noise(31);
    Biquad air(FilterKind::BandPass, 400, 1.2);
    Sound sound = Sound::generate(0.7, [&](double t) {
        const double pitch = (95 + 160 * std::exp(-t / 0.06)) * (1 + 0.06 * std::exp(-t / 0.2) * wobble.next(14));
        bandTone.tune(300 + 3000 * std::exp(-t / 0.15), 1.4);
        const float twang = bandTone.process(band.next(pitch)) * strike(t, 0.003, 0.18);
        air.tune(700 + 1500 * std::exp(-std::pow((t - 0.15) / 0.12, 2)), 1.2);
        const float whoosh = air.process(noise.next()) * strike(t - 0.01, 0.08, 0.12);
        return 0.7f * twang + 1.4f * whoosh;
    });
    sound.fadeOut(0.05);
    return normalised(sound);
}

// An impact: the object's resonances with a burst of noise for the contact itself.
Sound impact(const std::vector<Mode>& modes, double seconds, double crackCentre, double crackDecay, float crackGain) {
    Sound sound = modalHit(modes, seconds);
    sound.mix(noiseBurst(seconds, crackCentre, 1.0, crackDecay, 41), 0, crackGain);
    return normalised(sound);
}

// A block giving way: a dull thud, a crunch of noise, and splinters falling off for half a second,
// each a short crack of its own pitch, ever quieter.
Sound breaking() {
    const double length = 0.8;
    Sound sound = modalHit({{85, 0.07, 1}, {170, 0.05, 0.6}, {330, 0.03, 0.3}}, length);
    sound.mix(noiseBurst(length, 1400, 0.6, 0.09, 53), 0, 2.5f);
    Noise chance(59);
    const int splinters = 14;
    for (int i = 0; i < splinters; ++i) {
        const double at = 0.03 + 0.5 * i / splinters + 0.02 * chance.nextUnit();
        const double centre = 800 + 3200 * chance.nextUnit();
        const Sound crack = noiseBurst(0.06, centre, 2.0, 0.008 + 0.02 * chance.nextUnit(), 60 + i);
        sound.mix(crack, framesOf(at), 2.2f * (1 - 0.7f * i / splinters));
    }
    return normalised(sound);
}

// A target creature popping: a snap, a bloop that shoots up in pitch, and a little falling squeak.
Sound targetPop() {
    Oscillator bloop(Waveform::Sine), squeak(Waveform::Triangle), trill(Waveform::Sine);
    Noise noise(67);
    Biquad snap(FilterKind::HighPass, 2500);
    Sound sound = Sound::generate(0.5, [&](double t) {
        const double rise = 260 + 640 * (1 - std::exp(-t / 0.025));
        const float pop =
            bloop.next(rise) * strike(t, 0.002, 0.06) + snap.process(noise.next()) * strike(t, 0.0003, 0.005);
        const double fall = (1200 - 500 * std::min(1.0, (t - 0.08) / 0.25)) * (1 + 0.03 * trill.next(22));
        const float voice = squeak.next(fall) * adsr(t - 0.08, 0.22, 0.02, 0.1, 0.6f, 0.08);
        return pop + 0.35f * voice;
    });
    return normalised(sound);
}

// The level won: a rising C major arpeggio on the lead, then the octave held over a plucked chord
// and a glockenspiel's sparkle.
Sound winJingle() {
    Sound sound(1, framesOf(2.0));
    const int arpeggio[] = {60, 64, 67};
    const double step = 0.11;
    for (int i = 0; i < 3; ++i)
        sound.mix(lead(noteFrequency(arpeggio[i] + 12), step * 0.9), framesOf(i * step), 0.8f);
    const double chordAt = 3 * step;
    sound.mix(lead(noteFrequency(84), 0.9), framesOf(chordAt));
    for (const int note : {60, 64, 67, 72})
        sound.mix(pluck(noteFrequency(note), 1.4, note), framesOf(chordAt + 0.012 * (note - 60)), 0.45f);
    for (const int note : {84, 88, 91, 96}) {
        const double f = noteFrequency(note);
        // A glockenspiel bar's overtones are far from harmonic: 2.76 and 5.40 times its pitch.
        const Sound bar = modalHit({{f, 0.5, 1}, {f * 2.756, 0.2, 0.35}, {f * 5.404, 0.08, 0.15}}, 1.2);
        sound.mix(bar, framesOf(chordAt + 0.05 * (note - 84) / 4.0), 0.25f);
    }
    sound.fadeOut(0.1);
    return normalised(sound);
}

// Rolling: a low rumble of noise that swells eight times a second as the round object turns, with
// a faint grinding on top. Whole cycles fit the loop, and the filters ring across its seam.
Sound rolling() {
    const double length = 1.0;
    const int bumps = 8;
    Noise noise(71);
    Sound rumble = Sound::generate(length, [&](double) { return noise.next(); });
    Sound grind = rumble;
    Biquad(FilterKind::LowPass, 260, 1.1).processLoop(rumble);
    Biquad(FilterKind::BandPass, 900, 1.5).processLoop(grind);
    rumble.mix(grind, 0, 0.25f);
    for (int frame = 0; frame < rumble.frames(); ++frame) {
        const double turn = static_cast<double>(frame) / rumble.frames() * bumps;
        const double swell = 0.6 + 0.4 * std::pow(0.5 + 0.5 * std::cos(6.28318530717958647692 * turn), 2);
        rumble.sample(frame, 0) *= static_cast<float>(swell);
    }
    return normalised(rumble);
}

// Passing through a portal: a rush of air whose band sweeps up and back down, under a shimmering
// tone that glides up an octave with a fast tremolo, as if space itself were bent.
Sound portalWhoosh() {
    const double length = 0.9;
    Noise noise(79);
    Biquad rush(FilterKind::BandPass, 500, 2.0);
    Oscillator tone(Waveform::Triangle), shimmer(Waveform::Sine), tremolo(Waveform::Sine);
    Sound sound = Sound::generate(length, [&](double t) {
        const double sweep = std::sin(3.14159265358979 * t / length);
        rush.tune(300 + 2600 * sweep * sweep, 2.0);
        const float air = rush.process(noise.next()) * static_cast<float>(sweep);
        const double pitch = 330 * std::pow(2.0, t / length);
        const float glide = (tone.next(pitch) + 0.5f * shimmer.next(pitch * 2.01)) * (0.6f + 0.4f * tremolo.next(18)) *
                            adsr(t, length - 0.25, 0.12, 0.2, 0.7f, 0.25);
        return 1.6f * air + 0.35f * glide;
    });
    sound.fadeOut(0.05);
    return normalised(sound);
}

// Something falling into water: a low plop, the rush of the water thrown up, and bubbles, each a
// short tone gliding up as bubbles in water ring, ever fewer and quieter.
Sound splash() {
    const double length = 0.9;
    Oscillator plopTone(Waveform::Sine);
    Sound sound = Sound::generate(
        length, [&](double t) { return plopTone.next(90 + 160 * std::exp(-t / 0.03)) * strike(t, 0.002, 0.08); });
    sound.mix(noiseBurst(length, 900, 0.7, 0.14, 83), 0, 2.2f);
    sound.mix(noiseBurst(length, 3000, 1.2, 0.05, 89), framesOf(0.02), 1.2f);
    Noise chance(97);
    const int bubbles = 12;
    for (int i = 0; i < bubbles; ++i) {
        const double at = 0.05 + 0.6 * i / bubbles + 0.03 * chance.nextUnit();
        const double from = 500 + 900 * chance.nextUnit();
        Oscillator bubble(Waveform::Sine);
        const Sound ring =
            Sound::generate(0.05, [&](double t) { return bubble.next(from * (1 + 6 * t)) * strike(t, 0.001, 0.015); });
        sound.mix(ring, framesOf(at), 0.5f * (1 - 0.6f * i / bubbles));
    }
    sound.fadeOut(0.05);
    return normalised(sound);
}

} // namespace

std::vector<NamedSound> effectSounds() {
    std::vector<NamedSound> sounds;
    sounds.push_back({"launch", launch(), false});
    sounds.push_back(
        {"impact_wood",
         impact({{190, 0.05, 1}, {410, 0.04, 0.6}, {760, 0.025, 0.4}, {1240, 0.015, 0.25}}, 0.4, 1200, 0.012, 1.2f),
         false});
    sounds.push_back(
        {"impact_stone", impact({{70, 0.08, 1}, {145, 0.06, 0.7}, {310, 0.04, 0.4}}, 0.5, 700, 0.05, 2.5f), false});
    sounds.push_back(
        {"impact_ice",
         impact({{1320, 0.18, 1}, {2210, 0.12, 0.7}, {3470, 0.09, 0.5}, {5030, 0.06, 0.35}, {6280, 0.05, 0.2}}, 0.7,
                4000, 0.004, 1.5f),
         false});
    sounds.push_back({"break", breaking(), false});
    sounds.push_back({"target", targetPop(), false});
    sounds.push_back({"win", winJingle(), false});
    sounds.push_back({"roll", rolling(), true});
    sounds.push_back({"portal", portalWhoosh(), false});
    sounds.push_back({"splash", splash(), false});
    return sounds;
}

} // namespace sound
