#pragma once

namespace sound {

class Sound;

/// What a Biquad lets through.
enum class FilterKind {
    LowPass,  ///< below the corner frequency
    HighPass, ///< above the corner frequency
    BandPass, ///< around the centre frequency, with a peak gain of one
};

/// A two-pole, two-zero filter on the usual analogue prototypes (bilinear transform with the
/// corner pre-warped). Its frequency may be retuned every sample for sweeps: the state carries
/// over, so a sweep does not click.
class Biquad {
public:
    /// A filter of `kind` at `frequency` (hertz) with quality `q` (0.707 is flat for low and high
    /// pass; higher rings more, and narrows a band pass).
    Biquad(FilterKind kind, double frequency, double q = 0.70710678);

    /// Moves the filter to `frequency` and `q`, keeping its kind and state.
    void tune(double frequency, double q);
    /// Filters the next sample.
    float process(float input);
    /// Filters a whole mono `loop` in place as if it repeated for ever: the filter runs once over it
    /// to settle, then again to write, so that what rings past the end is heard at the start and
    /// the loop stays seamless.
    void processLoop(Sound& loop);

private:
    FilterKind m_kind;
    double m_b0 = 0, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0; ///< normalised coefficients
    double m_state1 = 0, m_state2 = 0;                       ///< transposed direct form II
};

} // namespace sound
