#pragma once

namespace sound {

/// The loudness of a struck or plucked sound `t` seconds after the strike: a straight rise over
/// `attack` seconds (short, so the start does not click), then an exponential fall that loses
/// about 63 % every `decay` seconds. 0 before the strike.
float strike(double t, double attack, double decay);

/// The loudness of a held note `t` seconds after it starts: a rise over `attack`, a fall over
/// `decay` to `sustain` (0 to 1) while the note is held for `held` seconds, then a straight fall
/// to silence over `release` seconds from wherever it was.
float adsr(double t, double held, double attack, double decay, float sustain, double release);

} // namespace sound
