#pragma once

#include <cstdint>
#include <memory>

namespace io {
class InputStream;
}

struct mpg123_handle_struct;

namespace audio {

/// An MPEG audio stream decoded by mpg123 in feed mode: the decoder is handed the stream's
/// bytes in 2048-byte pieces as it asks for them, and is moved to any sample position before a
/// read. The output is always 16-bit signed samples in the native byte order, at the rate and
/// channel count of the stream's first frame, whatever later frames say. The only user of
/// mpg123. Errors are `io::IOException` naming the stream. One thread at a time.
class Mp3Decoder {
public:
    /// Decodes from `stream`, which is borrowed (the caller keeps it alive longer) and whose
    /// position 0 is the file's first byte. Reads the stream up to the first frame's header and
    /// raises "Failed to initialize MPG123 while reading {0}", "Failed to allocate MPG123 while
    /// reading {0}", "Failed to open MPG123 feed while reading {0}", "Failed to read MP3 header
    /// while reading {0}" (also for a stream with no frame at all) or "Invalid bits per sample
    /// while reading {0}".
    explicit Mp3Decoder(io::InputStream& stream);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    int channels() const { return m_channels; }
    int samplesPerSecond() const { return m_samplesPerSecond; }
    /// 8, 16 or 32 by the decoder's output encoding; 16 as the output is set up.
    int bitsPerSample() const { return m_bitsPerSample; }

    /// Decodes up to `count` bytes of PCM starting `position` bytes into the decoded sound
    /// (both at least 0); returns the bytes delivered, fewer than asked only at the stream's end.
    /// Seeks the decoder first unless it already stands at `position`.
    int read(void* buffer, int position, int count);

private:
    struct HandleDeleter {
        void operator()(mpg123_handle_struct* handle) const;
    };
    /// Holds one use of the process-wide mpg123 library while the decoder lives.
    class LibraryUse {
    public:
        explicit LibraryUse(io::InputStream& stream);
        ~LibraryUse();
        LibraryUse(const LibraryUse&) = delete;
        LibraryUse& operator=(const LibraryUse&) = delete;
    };

    /// Feeds the stream to the decoder until it knows the output format, then fixes it.
    void readHeader();
    /// Moves the decoder and the stream to the sample frame holding byte `position`; false
    /// when the decoder cannot get there.
    bool seek(int position);
    /// Decodes into `buffer` until `count` bytes are there or the stream ends.
    int decode(std::uint8_t* buffer, int count);
    /// Reads up to one 2048-byte piece of the stream into `m_input`; returns the bytes read.
    int readInput();
    int bytesPerFrame() const { return m_bitsPerSample / 8 * m_channels; }

    io::InputStream& m_stream;
    LibraryUse m_library;
    std::unique_ptr<mpg123_handle_struct, HandleDeleter> m_handle;
    int m_channels = 0;
    int m_samplesPerSecond = 0;
    int m_bitsPerSample = 0;
    /// Whether the decoder's next output byte starts a sample frame: a read that ended inside a
    /// frame leaves it mid-frame, where its sample position cannot describe it.
    bool m_atFrameStart = true;
    std::uint8_t m_input[2048];
};

} // namespace audio
