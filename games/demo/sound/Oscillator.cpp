#include "Oscillator.h"

#include "Sound.h"

#include <cmath>

namespace sound {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

// The polynomial correction of a jump of -2 at phase 0 smoothed over one sample `step` wide on
// either side: subtracted from a naive saw it removes most of the jump's aliasing.
double jumpCorrection(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1;
    }
    if (phase > 1 - step) {
        const double t = (phase - 1) / step;
        return t * t + t + t + 1;
    }
    return 0;
}

} // namespace

Oscillator::Oscillator(Waveform waveform, double pulseWidth, double phase)
    : m_waveform(waveform), m_pulseWidth(pulseWidth), m_phase(phase - std::floor(phase)) {}

float Oscillator::next(double frequency) {
    const double step = std::abs(frequency) / kSampleRate;
    double value = 0;
    switch (m_waveform) {
    case Waveform::Sine:
        value = std::sin(kTwoPi * m_phase);
        break;
    case Waveform::Triangle:
        value = 1 - 4 * std::abs(m_phase - 0.5);
        break;
    case Waveform::Saw:
        value = 2 * m_phase - 1 - jumpCorrection(m_phase, step);
        break;
    case Waveform::Pulse: {
        // A pulse is a saw minus the same saw shifted by the width: both jumps stay band-limited,
        // and the two levels average to zero, so the wave has no offset at any width.
        double shifted = m_phase + 1 - m_pulseWidth;
        shifted -= std::floor(shifted);
        value = (2 * m_phase - 1 - jumpCorrection(m_phase, step)) - (2 * shifted - 1 - jumpCorrection(shifted, step));
        break;
    }
    }
    m_phase += step;
    m_phase -= std::floor(m_phase);
    return static_cast<float>(value);
}

} // namespace sound
