#pragma once

namespace sound {

/// The shapes an Oscillator makes.
enum class Waveform { Sine, Triangle, Saw, Pulse };

/// A tone generator that keeps its phase from sample to sample, so that its frequency may change
/// every sample (sweeps, vibrato) without clicks. Saw and pulse waves are band-limited at their
/// jumps, which keeps high notes free of aliasing whistles.
class Oscillator {
public:
    /// An oscillator of `waveform`; `pulseWidth` (0 to 1) is the part of a pulse wave's period
    /// spent on its lower level (0.5 is a square wave), `phase` (0 to 1) where in the period it
    /// starts.
    explicit Oscillator(Waveform waveform, double pulseWidth = 0.5, double phase = 0);

    /// The next sample, -1 to 1, at `frequency` (hertz); advances one frame.
    float next(double frequency);

private:
    Waveform m_waveform;
    double m_pulseWidth;
    double m_phase; ///< 0 to 1 through the period
};

} // namespace sound
