#pragma once

#include "Sound.h"

#include <cstdint>
#include <vector>

namespace sound {

/// The frequency in hertz of a note numbered as MIDI does: 60 is middle C, 69 the A at 440 Hz,
/// one step a semitone.
double noteFrequency(int note);

/// One resonance of a struck object: its frequency (hertz), how fast it dies away (seconds per
/// 63 % of loudness lost) and its loudness relative to the others.
struct Mode {
    double frequency;
    double decay;
    float amplitude;
};

/// A struck object as the sum of its resonances, lasting `seconds`: wood, stone and glass differ
/// in which modes they have and how long those ring.
Sound modalHit(const std::vector<Mode>& modes, double seconds);

/// A burst of white noise through a band pass around `centre` (hertz, quality `q`) dying away with
/// `decay` seconds: the scrape, crack or rustle part of an impact. `seed` picks the noise.
Sound noiseBurst(double seconds, double centre, double q, double decay, std::uint32_t seed);

/// A plucked string at `frequency` ringing for `seconds`: a delay line one period long fed with a
/// noise burst and smoothed on every pass, so the high partials die first, as on a real string.
Sound pluck(double frequency, double seconds, std::uint32_t seed);

/// A soft synthesiser lead held for `held` seconds (a short release follows): two slightly
/// detuned pulse waves through a low pass, with a vibrato that sets in as the note goes on.
Sound lead(double frequency, double held);

/// A round bass note held for `held` seconds: a saw and a sine an octave below through a low pass
/// that closes after the attack.
Sound bass(double frequency, double held);

/// A glockenspiel bar at `frequency` ringing for `seconds`: a bright strike whose overtones sit
/// at the bar's inharmonic 2.76 and 5.40 times its pitch.
Sound bell(double frequency, double seconds);

/// A soft pad held for `held` seconds: two detuned saws and a triangle through a gentle low pass,
/// swelling in slowly and fading out over a long release; for calm chords.
Sound pad(double frequency, double held);

/// A bass drum: a sine that falls quickly from 150 to 45 Hz, with a short click on top.
Sound kick();
/// A snare drum: band-passed noise for the wires over a short tone for the head.
Sound snare();
/// A closed hi-hat: a short tick of high-passed noise.
Sound hiHat();

} // namespace sound
