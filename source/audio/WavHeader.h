#pragma once

#include <cstdint>

namespace io {
class InputStream;
}

namespace audio {

/// What the chunks of a RIFF/WAVE file say about its sound: the PCM format and where the
/// samples are.
struct WavHeader {
    int encoding = 0; ///< format tag; only 1 (PCM) is accepted
    int channels = 0;
    int samplesPerSecond = 0;
    int bytesPerSecond = 0;
    int blockAlign = 0; ///< bytes per frame
    int bitsPerSample = 0;
    int dataLength = 0; ///< bytes of PCM; 0 when the file has no data chunk
    int dataOffset = 0; ///< stream position of the first PCM byte
};

/// Walks the chunks of `stream` from its current position, which counts as the file's start,
/// up to the "data" chunk header (the samples are not read). Raises `lang::Exception` for a
/// file that is not RIFF/WAVE, is not PCM, or has its data before its format, and
/// `io::IOException` "Failed to read {0} bytes from {1}" for a header cut short.
WavHeader readWavHeader(io::InputStream& stream);

/// Reads exactly `count` bytes of `stream` into `buffer`, or raises `io::IOException` "Failed to
/// read {0} bytes from {1}" with the count and the stream's name.
void readExactly(io::InputStream& stream, void* buffer, int count);

} // namespace audio
