#include "Biquad.h"

#include "Sound.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace sound {

Biquad::Biquad(FilterKind kind, double frequency, double q) : m_kind(kind) { tune(frequency, q); }

void Biquad::tune(double frequency, double q) {
    // Kept below the Nyquist frequency, where the pre-warping runs off to infinity.
    const double corner = std::clamp(frequency, 10.0, 0.45 * kSampleRate);
    const double omega = 2 * 3.14159265358979323846 * corner / kSampleRate;
    const double cosine = std::cos(omega);
    const double alpha = std::sin(omega) / (2 * q);
    double b0 = 0, b1 = 0, b2 = 0;
    switch (m_kind) {
    case FilterKind::LowPass:
        b0 = b2 = (1 - cosine) / 2;
        b1 = 1 - cosine;
        break;
    case FilterKind::HighPass:
        b0 = b2 = (1 + cosine) / 2;
        b1 = -(1 + cosine);
        break;
    case FilterKind::BandPass:
        b0 = alpha;
        b2 = -alpha;
        break;
    }
    const double a0 = 1 + alpha;
    m_b0 = b0 / a0;
    m_b1 = b1 / a0;
    m_b2 = b2 / a0;
    m_a1 = -2 * cosine / a0;
    m_a2 = (1 - alpha) / a0;
}

float Biquad::process(float input) {
    const double output = m_b0 * input + m_state1;
    m_state1 = m_b1 * input - m_a1 * output + m_state2;
    m_state2 = m_b2 * input - m_a2 * output;
    return static_cast<float>(output);
}

void Biquad::processLoop(Sound& loop) {
    if (loop.channels() != 1)
        throw std::invalid_argument("one filter filters one channel: the loop must be mono");
    for (int frame = 0; frame < loop.frames(); ++frame)
        process(loop.sample(frame, 0));
    for (int frame = 0; frame < loop.frames(); ++frame)
        loop.sample(frame, 0) = process(loop.sample(frame, 0));
}

} // namespace sound
