// The sounds of the world's objects: the slingshot's launch, impacts on each material, blocks of
// each material breaking, a target popping, rolling, portals and splashes.
#include "Biquad.h"
#include "Effect.h"
#include "Envelope.h"
#include "Instruments.h"
#include "Noise.h"
#include "Oscillator.h"
#include "Sounds.h"

#include <cmath>
#include <cstdint>

namespace sound {

namespace {

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

// How a material gives way: the thud of the block (its resonances), the crunch of the break (a
// band of noise around `crunchCentre`), and the pieces falling off after it: `pieces` of them
// between `pieceLow` and `pieceHigh` hertz over `spread` seconds, ringing as shards of glass do or
// cracking short as splinters and grit do.
struct Fracture {
    std::vector<Mode> thud;
    double crunchCentre;
    float crunchGain;
    int pieces;
    double pieceLow, pieceHigh, spread;
    bool ringing;
    std::uint32_t seed;
};

// A block giving way: the thud, the crunch, and the pieces, each of its own pitch and ever quieter.
Sound breaking(const Fracture& fracture) {
    const double length = 0.9;
    Sound sound = modalHit(fracture.thud, length);
    sound.mix(noiseBurst(length, fracture.crunchCentre, 0.6, 0.09, fracture.seed), 0, fracture.crunchGain);
    Noise chance(fracture.seed + 1);
    for (int i = 0; i < fracture.pieces; ++i) {
        const double at = 0.03 + fracture.spread * i / fracture.pieces + 0.02 * chance.nextUnit();
        const double pitch = fracture.pieceLow + (fracture.pieceHigh - fracture.pieceLow) * chance.nextUnit();
        const float fall = 1 - 0.7f * i / fracture.pieces;
        if (fracture.ringing) {
            // A shard's overtones sit at inharmonic ratios, like a small plate's.
            const Sound shard =
                modalHit({{pitch, 0.06, 1}, {pitch * 1.59, 0.04, 0.6}, {pitch * 2.41, 0.03, 0.4}}, 0.25);
            sound.mix(shard, framesOf(at), 0.35f * fall);
        } else {
            const Sound crack = noiseBurst(0.06, pitch, 2.0, 0.008 + 0.02 * chance.nextUnit(), fracture.seed + 2 + i);
            sound.mix(crack, framesOf(at), 2.2f * fall);
        }
    }
    sound.fadeOut(0.05);
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

std::vector<NamedSound> objectSounds() {
    std::vector<NamedSound> sounds;
    sounds.push_back({"launch", launch(), false});
    sounds.push_back(
        {"impact_wood",
         impact({{190, 0.05, 1}, {410, 0.04, 0.6}, {760, 0.025, 0.4}, {1240, 0.015, 0.25}}, 0.4, 1200, 0.012, 1.2f),
         false});
    sounds.push_back(
        {"impact_stone", impact({{70, 0.08, 1}, {145, 0.06, 0.7}, {310, 0.04, 0.4}}, 0.5, 700, 0.05, 2.5f), false});
    sounds.push_back(
        {"impact_glass",
         impact({{1320, 0.18, 1}, {2210, 0.12, 0.7}, {3470, 0.09, 0.5}, {5030, 0.06, 0.35}, {6280, 0.05, 0.2}}, 0.7,
                4000, 0.004, 1.5f),
         false});
    sounds.push_back(
        {"break_wood",
         breaking({{{85, 0.07, 1}, {170, 0.05, 0.6}, {330, 0.03, 0.3}}, 1400, 2.5f, 14, 800, 4000, 0.5, false, 53}),
         false});
    sounds.push_back({"break_glass",
                      breaking({{{900, 0.05, 0.5}, {1900, 0.04, 0.4}}, 5000, 1.6f, 18, 2200, 6500, 0.45, true, 113}),
                      false});
    sounds.push_back(
        {"break_stone",
         breaking({{{55, 0.12, 1}, {110, 0.08, 0.7}, {240, 0.05, 0.35}}, 600, 3.0f, 22, 300, 1600, 0.65, false, 127}),
         false});
    sounds.push_back({"target", targetPop(), false});
    sounds.push_back({"roll", rolling(), true});
    sounds.push_back({"portal", portalWhoosh(), false});
    sounds.push_back({"splash", splash(), false});
    return sounds;
}

} // namespace sound
