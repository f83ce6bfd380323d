#include "WavFile.h"

#include "Sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace sound {

namespace {

constexpr int kBytesPerSample = 2;

// RIFF numbers are little-endian whatever the machine.
void put(std::vector<char>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void put(std::vector<char>& bytes, const char* tag) { bytes.insert(bytes.end(), tag, tag + 4); }

} // namespace

void writeWav(const Sound& sound, const std::filesystem::path& file) {
    const std::uint32_t channels = static_cast<std::uint32_t>(sound.channels());
    const std::uint32_t blockAlign = channels * kBytesPerSample;
    const std::uint32_t dataSize = blockAlign * static_cast<std::uint32_t>(sound.frames());
    std::vector<char> bytes;
    bytes.reserve(44 + dataSize);
    put(bytes, "RIFF");
    put(bytes, 36 + dataSize, 4);
    put(bytes, "WAVE");
    put(bytes, "fmt ");
    put(bytes, 16, 4);
    put(bytes, 1, 2); // PCM
    put(bytes, channels, 2);
    put(bytes, kSampleRate, 4);
    put(bytes, kSampleRate * blockAlign, 4);
    put(bytes, blockAlign, 2);
    put(bytes, 8 * kBytesPerSample, 2);
    put(bytes, "data");
    put(bytes, dataSize, 4);
    for (int frame = 0; frame < sound.frames(); ++frame) {
        for (int channel = 0; channel < sound.channels(); ++channel) {
            const long value = std::lround(std::clamp(sound.sample(frame, channel), -1.0f, 1.0f) * 32767.0f);
            put(bytes, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), kBytesPerSample);
        }
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace sound
