#include "Envelope.h"

#include <algorithm>
#include <cmath>

namespace sound {

namespace {

float heldLevel(double t, double attack, double decay, float sustain) {
    if (t < attack)
        return static_cast<float>(t / attack);
    const double fall = std::min(1.0, (t - attack) / decay);
    return static_cast<float>(1 - (1 - sustain) * fall);
}

} // namespace

float strike(double t, double attack, double decay) {
    if (t < 0)
        return 0;
    if (t < attack)
        return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-(t - attack) / decay));
}

float adsr(double t, double held, double attack, double decay, float sustain, double release) {
    if (t < 0)
        return 0;
    if (t < held)
        return heldLevel(t, attack, decay, sustain);
    const double fade = 1 - (t - held) / release;
    return fade <= 0 ? 0.0f : heldLevel(held, attack, decay, sustain) * static_cast<float>(fade);
}

} // namespace sound
