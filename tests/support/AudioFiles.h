#pragma once

// Sound files for the audio tests and benchmarks: hand-made RIFF files,
// test tones, and MP3s encoded by lame.

#include "io/ByteArrayInputStream.h"
#include "lang/Ref.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace audiotest {

using Bytes = std::vector<std::uint8_t>;

inline void appendLittleEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

/// One RIFF chunk: a four-letter id, its body, and the size its header declares (the body's
/// own size unless given).
struct Chunk {
    std::string id;
    Bytes body;
    std::int64_t declaredSize = -1;
};

/// A "fmt " chunk of `size` bytes (at least 16) with the given tag and layout.
inline Chunk formatChunk(int tag, int channels, int bits, int rate, std::uint32_t size = 16) {
    Bytes body;
    appendLittleEndian(body, static_cast<std::uint32_t>(tag), 2);
    appendLittleEndian(body, static_cast<std::uint32_t>(channels), 2);
    appendLittleEndian(body, static_cast<std::uint32_t>(rate), 4);
    appendLittleEndian(body, static_cast<std::uint32_t>(rate * channels * bits / 8), 4);
    appendLittleEndian(body, static_cast<std::uint32_t>(channels * bits / 8), 2);
    appendLittleEndian(body, static_cast<std::uint32_t>(bits), 2);
    body.resize(size, 0xEE);
    return {"fmt ", body};
}

/// "RIFF", a size, "WAVE" and the chunks in order, unpadded.
inline Bytes riffFile(const std::vector<Chunk>& chunks) {
    Bytes file{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const Chunk& chunk : chunks) {
        file.insert(file.end(), chunk.id.begin(), chunk.id.end());
        const auto size = chunk.declaredSize >= 0 ? chunk.declaredSize : static_cast<std::int64_t>(chunk.body.size());
        appendLittleEndian(file, static_cast<std::uint32_t>(size), 4);
        file.insert(file.end(), chunk.body.begin(), chunk.body.end());
    }
    const auto riffSize = static_cast<std::uint32_t>(file.size() - 8);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    return file;
}

/// `count` bytes that differ from their neighbours, so a shifted read shows.
inline Bytes pattern(int count, int seed = 0) {
    Bytes bytes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + seed * 31 + i / 256);
    return bytes;
}

/// A named in-memory stream over `bytes`.
inline lang::Ref<io::InputStream> memoryStream(Bytes bytes, std::string name = "test.wav") {
    return lang::Ref<io::InputStream>(new io::ByteArrayInputStream(std::move(bytes), std::move(name)));
}

/// A 16-bit PCM WAV holding `samples` (interleaved when `channels` is 2).
inline Bytes samplesWav(const std::vector<std::int16_t>& samples, int channels = 1, int rate = 44100) {
    Bytes pcm;
    pcm.reserve(samples.size() * 2);
    for (const std::int16_t sample : samples)
        appendLittleEndian(pcm, static_cast<std::uint16_t>(sample), 2);
    return riffFile({formatChunk(1, channels, 16, rate), {"data", pcm}});
}

/// A 16-bit PCM WAV of `seconds` of a sine sweep (a different tone on each channel), so every
/// decoded block differs from its neighbours.
inline Bytes toneWav(int channels, int rate, double seconds) {
    const int frames = static_cast<int>(rate * seconds);
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames * channels));
    for (int frame = 0; frame < frames; ++frame) {
        const double t = static_cast<double>(frame) / rate;
        for (int channel = 0; channel < channels; ++channel) {
            const double hertz = 220.0 * (channel + 1) + 200.0 * t;
            samples.push_back(static_cast<std::int16_t>(12000.0 * std::sin(2.0 * M_PI * hertz * t)));
        }
    }
    return samplesWav(samples, channels, rate);
}

inline void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Encodes `seconds` of the tone as an MP3 with lame in `folder` and returns its bytes.
inline Bytes lameMp3(const std::filesystem::path& folder, int channels, int rate, double seconds) {
    const auto wav = folder / "tone.wav";
    const auto mp3 = folder / "tone.mp3";
    writeFile(wav, toneWav(channels, rate, seconds));
    const std::string command = "lame --quiet '" + wav.string() + "' '" + mp3.string() + "'";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("lame failed: " + command);
    return readFile(mp3);
}

} // namespace audiotest
