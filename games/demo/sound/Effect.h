#pragma once

#include "Sound.h"

namespace sound {

/// Every effect peaks at this level (about 1 dB below full scale); the game's script balances
/// them with its play volumes.
constexpr float kEffectPeak = 0.89f;

/// `sound` scaled so that its peak is kEffectPeak.
inline Sound normalised(Sound sound) {
    sound.normalise(kEffectPeak);
    return sound;
}

} // namespace sound
