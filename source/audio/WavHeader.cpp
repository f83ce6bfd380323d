#include "audio/WavHeader.h"

#include "io/IOException.h"
#include "io/InputStream.h"
#include "io/ReadAll.h"
#include "lang/Exception.h"
#include "lang/Format.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace audio {
namespace {

std::uint32_t littleEndian32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

int littleEndian16(const std::uint8_t* bytes) { return bytes[0] | bytes[1] << 8; }

/// Bytes of a "fmt " body that PCM needs: tag, channels, rate, bytes per second, block align, bits.
constexpr std::uint32_t kPcmFormatSize = 16;

/// Reads a "fmt " chunk body of `size` bytes into `header`. Only its first 16 bytes mean anything
/// for PCM; the rest (an extension of other encodings, of any length) is skipped so that the
/// next chunk header is read where it starts. A body too short to hold those 16 bytes is refused
/// rather than filled with whatever follows it.
void readFormatChunk(io::InputStream& stream, std::uint32_t size, WavHeader& header) {
    if (size < kPcmFormatSize)
        throw lang::Exception(lang::Format("WAV fmt chunk of {0} bytes is too short for PCM in {1}",
                                           std::to_string(size), stream.toString()));
    std::uint8_t body[kPcmFormatSize];
    readExactly(stream, body, kPcmFormatSize);
    header.encoding = littleEndian16(body);
    if (header.encoding != 1)
        throw lang::Exception(
            lang::Format("WAV was not PCM! RIFF AudioEncoding TwoCC value: 0x{0,x}", header.encoding));
    header.channels = littleEndian16(body + 2);
    header.samplesPerSecond = static_cast<int>(littleEndian32(body + 4));
    header.bytesPerSecond = static_cast<int>(littleEndian32(body + 8));
    header.blockAlign = littleEndian16(body + 12);
    header.bitsPerSample = littleEndian16(body + 14);
    const int rest = static_cast<int>(std::min<std::uint32_t>(size - kPcmFormatSize, std::max(stream.available(), 0)));
    stream.skip(rest);
}

} // namespace

void readExactly(io::InputStream& stream, void* buffer, int count) {
    if (io::readUpTo(stream, buffer, count) != count)
        throw io::IOException(
            lang::Format("Failed to read {0} bytes from {1}", std::to_string(count), stream.toString()));
}

WavHeader readWavHeader(io::InputStream& stream) {
    const int start = stream.available();
    std::uint8_t riff[12];
    readExactly(stream, riff, sizeof riff);
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        throw lang::Exception(lang::Format("Only RIFF/WAVE sounds are currently supported"));

    WavHeader header;
    bool formatSeen = false;
    while (stream.available() > 0) {
        std::uint8_t chunk[8];
        readExactly(stream, chunk, sizeof chunk);
        const std::uint32_t size = littleEndian32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            readFormatChunk(stream, size, header);
            formatSeen = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!formatSeen)
                throw lang::Exception(lang::Format("Missing fmt chunk before data chunk in wav file"));
            // A file cut short keeps the samples it has: reads never run past the stream's end,
            // and the clip's length is what can really be played.
            const int remaining = std::max(stream.available(), 0);
            header.dataLength = static_cast<int>(std::min<std::uint32_t>(size, remaining));
            header.dataOffset = start - remaining;
            return header;
        } else {
            // Chunks are not padded to even sizes: the next header starts right after the body.
            if (size >= static_cast<std::uint32_t>(stream.available()))
                break;
            stream.skip(static_cast<int>(size));
        }
    }
    return header;
}

} // namespace audio
