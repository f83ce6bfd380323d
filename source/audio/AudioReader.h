#pragma once

#include "audio/AudioFormat.h"
#include "io/FileType.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <memory>
#include <string>

namespace io {
class InputStream;
}

namespace audio {

class Mp3Decoder;

/// Turns a stream into PCM bytes: WAV and raw PCM are read in place (seek and copy), MP3 is
/// decoded on the fly by mpg123 in feed mode. One reader serves every playing instance of a clip,
/// seeking to the instance's position before each read, so reads must not overlap (the mixing
/// thread reads instances one after another). Errors are `io::IOException` or, for WAV layouts,
/// `lang::Exception`, with the stream's name.
class AudioReader : public lang::Object {
public:
    /// The numbering the reader keeps: PCM read in place, or MP3.
    static constexpr int kPcmInPlace = 12;
    static constexpr int kMp3 = 13;

    /// Opens `stream` as `kind`: WAV, MP3, or UNKNOWN for raw PCM in `rawFormat` (the only kind
    /// that uses it). Any other kind raises "Unsupported audio file format while reading {0}".
    AudioReader(lang::Ref<io::InputStream> stream, io::FileType kind, const AudioFormat& rawFormat = {});
    ~AudioReader() override;

    /// Reads up to `count` PCM bytes starting `position` bytes into the data; returns the number
    /// delivered (0 at the end). Never reads past the data length when that is known.
    int read(void* buffer, int position, int count);

    /// `kPcmInPlace` or `kMp3`.
    int kind() const { return m_kind; }
    /// Format tag, 1 for PCM.
    int encoding() const { return m_encoding; }
    int channels() const { return m_channels; }
    int samplesPerSecond() const { return m_samplesPerSecond; }
    /// 0 for MP3.
    int bytesPerSecond() const { return m_bytesPerSecond; }
    /// Bytes per frame; 0 for MP3.
    int blockAlign() const { return m_blockAlign; }
    /// 8, 16 or 32.
    int bitsPerSample() const { return m_bitsPerSample; }
    /// Bytes of PCM data, or -1 when unknown (MP3).
    int dataLength() const { return m_dataLength; }
    /// Stream position of the first PCM byte (WAV: just past the data chunk header).
    int dataOffset() const { return m_dataOffset; }
    /// The channels, bits and rate as an output format.
    AudioFormat format() const { return {m_channels, m_bitsPerSample, m_samplesPerSecond}; }
    /// The stream's name, for messages.
    std::string streamName() const;

private:
    void openRaw(const AudioFormat& format);
    void openWav();
    void openMp3();
    int readInPlace(void* buffer, int position, int count);

    lang::Ref<io::InputStream> m_stream;
    int m_kind = kPcmInPlace;
    int m_encoding = 1;
    int m_channels = 0;
    int m_samplesPerSecond = 0;
    int m_bytesPerSecond = 0;
    int m_blockAlign = 0;
    int m_bitsPerSample = 0;
    int m_dataLength = 0;
    int m_dataOffset = 0;
    std::unique_ptr<Mp3Decoder> m_decoder;
};

} // namespace audio
