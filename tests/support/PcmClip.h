#pragma once

#include "audio/AudioClip.h"

#include <cstdint>
#include <vector>

namespace testsupport {

/// An in-memory clip of 16-bit samples (interleaved when `channels` is 2) at 44.1 kHz.
inline lang::Ref<audio::AudioClip> pcmClip16(const std::vector<std::int16_t>& samples, int channels) {
    return lang::Ref<audio::AudioClip>(new audio::AudioClip(samples.data(),
                                                            static_cast<int>(samples.size() * sizeof(std::int16_t)),
                                                            audio::AudioFormat{channels, 16, 44100}));
}

/// An in-memory clip of unsigned 8-bit samples (silence 128), one channel, 44.1 kHz.
inline lang::Ref<audio::AudioClip> pcmClip8(const std::vector<std::uint8_t>& samples) {
    return lang::Ref<audio::AudioClip>(
        new audio::AudioClip(samples.data(), static_cast<int>(samples.size()), audio::AudioFormat{1, 8, 44100}));
}

} // namespace testsupport
