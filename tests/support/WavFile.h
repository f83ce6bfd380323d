#pragma once

// A minimal RIFF/WAVE file of 16-bit PCM samples, for tests that load sounds.

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

/// The bytes of a WAV file holding `samples` (interleaved when `channels` is 2).
inline std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples, int channels = 1,
                                         int samplesPerSecond = 44100) {
    std::vector<std::uint8_t> bytes;
    const auto text = [&](const char* id) { bytes.insert(bytes.end(), id, id + 4); };
    const auto number = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    text("RIFF");
    number(36 + dataBytes, 4);
    text("WAVE");
    text("fmt ");
    number(16, 4);
    number(1, 2);
    number(static_cast<std::uint32_t>(channels), 2);
    number(static_cast<std::uint32_t>(samplesPerSecond), 4);
    number(static_cast<std::uint32_t>(samplesPerSecond * channels * 2), 4);
    number(static_cast<std::uint32_t>(channels * 2), 2);
    number(16, 2);
    text("data");
    number(dataBytes, 4);
    for (const std::int16_t sample : samples)
        number(static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

} // namespace testsupport
