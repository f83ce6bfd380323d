#include "audio/AudioClip.h"

#include "audio/AudioClipCursor.h"
#include "audio/AudioReader.h"
#include "io/ByteArrayInputStream.h"
#include "io/IOException.h"
#include "lang/Format.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace audio {

AudioClip::AudioClip() = default;

AudioClip::AudioClip(lang::Ref<io::InputStream> stream, io::FileType kind)
    : m_stream(std::move(stream)), m_reader(new AudioReader(m_stream, kind)) {}

AudioClip::AudioClip(const void* pcm, int count, const AudioFormat& format)
    : m_stream(new io::ByteArrayInputStream(pcm, count)),
      m_reader(new AudioReader(m_stream, io::FileType::UNKNOWN, format)) {}

AudioClip::~AudioClip() = default;

int AudioClip::read(void* buffer, int count, AudioClipCursor& cursor) {
    const int delivered = m_reader->read(buffer, cursor.position, count);
    cursor.position += delivered;
    return delivered;
}

int AudioClip::encoding() const { return m_reader->encoding(); }

int AudioClip::channels() const { return m_reader->channels(); }

int AudioClip::samplesPerSecond() const { return m_reader->samplesPerSecond(); }

int AudioClip::bytesPerSecond() const { return m_reader->bytesPerSecond(); }

int AudioClip::blockAlign() const { return m_reader->blockAlign(); }

int AudioClip::bitsPerSample() const { return m_reader->bitsPerSample(); }

int AudioClip::dataLength() const { return m_reader->dataLength(); }

lang::Ref<AudioClip> loadClip(AudioReader& reader) {
    std::vector<std::uint8_t> pcm;
    const int length = reader.dataLength();
    if (length >= 0) {
        pcm.resize(static_cast<std::size_t>(length));
        if (reader.read(pcm.data(), 0, length) != length)
            throw io::IOException(
                lang::Format("Failed to read {0} bytes from {1}", std::to_string(length), reader.streamName()));
    } else {
        constexpr int kBlock = 4096;
        int got = kBlock;
        while (got == kBlock) {
            const std::size_t position = pcm.size();
            pcm.resize(position + kBlock);
            got = reader.read(pcm.data() + position, static_cast<int>(position), kBlock);
            pcm.resize(position + static_cast<std::size_t>(got));
        }
    }
    return lang::Ref<AudioClip>(new AudioClip(pcm.data(), static_cast<int>(pcm.size()), reader.format()));
}

} // namespace audio
