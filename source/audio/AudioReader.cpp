#include "audio/AudioReader.h"

#include "audio/WavHeader.h"
#include "audio/mpg123/Mp3Decoder.h"
#include "io/IOException.h"
#include "io/InputStream.h"
#include "io/ReadAll.h"
#include "lang/Format.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace audio {

AudioReader::AudioReader(lang::Ref<io::InputStream> stream, io::FileType kind, const AudioFormat& rawFormat)
    : m_stream(std::move(stream)) {
    switch (kind) {
    case io::FileType::UNKNOWN:
        openRaw(rawFormat);
        break;
    case io::FileType::WAV:
        openWav();
        break;
    case io::FileType::MP3:
        openMp3();
        break;
    default:
        throw io::IOException(lang::Format("Unsupported audio file format while reading {0}", streamName()));
    }
}

AudioReader::~AudioReader() = default;

std::string AudioReader::streamName() const { return m_stream->toString(); }

void AudioReader::openRaw(const AudioFormat& format) {
    m_channels = format.channels;
    m_bitsPerSample = format.bitsPerSample;
    m_samplesPerSecond = format.samplesPerSecond;
    m_blockAlign = format.bytesPerFrame();
    m_bytesPerSecond = format.bytesPerSecond();
    // A stream that cannot tell its size has an unknown length: it is read until it ends.
    m_dataLength = std::max(m_stream->available(), -1);
}

void AudioReader::openWav() {
    const WavHeader header = readWavHeader(*m_stream);
    m_encoding = header.encoding;
    m_channels = header.channels;
    m_samplesPerSecond = header.samplesPerSecond;
    m_bytesPerSecond = header.bytesPerSecond;
    m_blockAlign = header.blockAlign;
    m_bitsPerSample = header.bitsPerSample;
    m_dataLength = header.dataLength;
    m_dataOffset = header.dataOffset;
}

void AudioReader::openMp3() {
    m_decoder = std::make_unique<Mp3Decoder>(*m_stream);
    m_kind = kMp3;
    m_channels = m_decoder->channels();
    m_samplesPerSecond = m_decoder->samplesPerSecond();
    m_bitsPerSample = m_decoder->bitsPerSample();
    m_dataLength = -1;
}

int AudioReader::read(void* buffer, int position, int count) {
    if (position < 0 || count <= 0)
        return 0;
    return m_decoder ? m_decoder->read(buffer, position, count) : readInPlace(buffer, position, count);
}

int AudioReader::readInPlace(void* buffer, int position, int count) {
    if (m_dataLength >= 0)
        count = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{m_dataLength} - position, 0, count));
    const std::int64_t start = std::int64_t{m_dataOffset} + position;
    if (count == 0 || start > INT32_MAX || !m_stream->seek(static_cast<int>(start), io::InputStream::kSeekSet))
        return 0;
    return io::readUpTo(*m_stream, buffer, count);
}

} // namespace audio
