#include "audio/mpg123/Mp3Decoder.h"

#include "io/IOException.h"
#include "io/InputStream.h"
#include "lang/Format.h"
#include "lang/Log.h"

#include <mpg123.h>

#include <climits>
#include <cstdio>
#include <mutex>

namespace audio {
namespace {

std::mutex libraryMutex;
int libraryUsers = 0;

[[noreturn]] void fail(const char* message, io::InputStream& stream) {
    throw io::IOException(lang::Format(message, stream.toString()));
}

/// Bits per sample of an mpg123 output encoding: the 8-bit class has all four low bits set, then
/// the 16-bit class bit, then the 32-bit class bit; 0 for anything else.
int bitsOf(int encoding) {
    if ((encoding & 0x0F) == 0x0F)
        return 8;
    if (encoding & 0x40)
        return 16;
    if (encoding & 0x100)
        return 32;
    return 0;
}

} // namespace

Mp3Decoder::LibraryUse::LibraryUse(io::InputStream& stream) {
    std::lock_guard lock(libraryMutex);
    if (libraryUsers == 0 && mpg123_init() != MPG123_OK)
        fail("Failed to initialize MPG123 while reading {0}", stream);
    ++libraryUsers;
}

Mp3Decoder::LibraryUse::~LibraryUse() {
    std::lock_guard lock(libraryMutex);
    if (--libraryUsers == 0)
        mpg123_exit();
}

void Mp3Decoder::HandleDeleter::operator()(mpg123_handle_struct* handle) const { mpg123_delete(handle); }

Mp3Decoder::Mp3Decoder(io::InputStream& stream) : m_stream(stream), m_library(stream) {
    m_handle.reset(mpg123_new(nullptr, nullptr));
    if (!m_handle)
        fail("Failed to allocate MPG123 while reading {0}", m_stream);
    // 16-bit signed output at whatever rate and channel count the stream has.
    mpg123_format_none(m_handle.get());
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i)
        mpg123_format(m_handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(m_handle.get()) != MPG123_OK)
        fail("Failed to open MPG123 feed while reading {0}", m_stream);
    readHeader();
}

Mp3Decoder::~Mp3Decoder() = default;

void Mp3Decoder::readHeader() {
    for (;;) {
        const int got = readInput();
        // A stream that ends before the decoder found a frame holds no MPEG audio.
        if (got < 1)
            fail("Failed to read MP3 header while reading {0}", m_stream);
        const int answer = mpg123_decode(m_handle.get(), m_input, static_cast<std::size_t>(got), nullptr, 0, nullptr);
        if (answer == MPG123_NEW_FORMAT)
            break;
        if (answer != MPG123_NEED_MORE)
            fail("Failed to read MP3 header while reading {0}", m_stream);
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    mpg123_getformat(m_handle.get(), &rate, &channels, &encoding);
    m_bitsPerSample = bitsOf(encoding);
    if (m_bitsPerSample == 0)
        fail("Invalid bits per sample while reading {0}", m_stream);
    m_samplesPerSecond = static_cast<int>(rate);
    m_channels = channels;
    // The clip's format is fixed from here on: a later frame of another rate or channel count
    // is converted to this one instead of changing the meaning of the bytes under the mixer.
    mpg123_format_none(m_handle.get());
    mpg123_format(m_handle.get(), rate, channels, encoding);
}

int Mp3Decoder::read(void* buffer, int position, int count) {
    if (position < 0 || count <= 0 || !seek(position))
        return 0;
    const int delivered = decode(static_cast<std::uint8_t*>(buffer), count);
    m_atFrameStart = (position + delivered) % bytesPerFrame() == 0;
    return delivered;
}

bool Mp3Decoder::seek(int position) {
    const int frameBytes = bytesPerFrame();
    const off_t target = position / frameBytes;
    const int intoFrame = position % frameBytes;
    if (m_atFrameStart && intoFrame == 0 && mpg123_tell(m_handle.get()) == target)
        return true;
    off_t inputOffset = 0;
    off_t reached = mpg123_feedseek(m_handle.get(), target, SEEK_SET, &inputOffset);
    while (reached == MPG123_NEED_MORE) {
        const int got = readInput();
        if (got < 1 || mpg123_feed(m_handle.get(), m_input, static_cast<std::size_t>(got)) != MPG123_OK)
            return false;
        reached = mpg123_feedseek(m_handle.get(), target, SEEK_SET, &inputOffset);
    }
    if (reached < 0 || inputOffset < 0 || inputOffset > INT_MAX ||
        !m_stream.seek(static_cast<int>(inputOffset), io::InputStream::kSeekSet))
        return false;
    m_atFrameStart = true;
    // A position inside a sample frame: decode the frame's first bytes and drop them.
    std::uint8_t dropped[8];
    return intoFrame == 0 || decode(dropped, intoFrame) == intoFrame;
}

int Mp3Decoder::decode(std::uint8_t* buffer, int count) {
    std::size_t done = 0;
    int answer = mpg123_decode(m_handle.get(), nullptr, 0, buffer, static_cast<std::size_t>(count), &done);
    int delivered = static_cast<int>(done);
    for (;;) {
        const std::uint8_t* input = nullptr;
        int got = 0;
        if (answer == MPG123_NEED_MORE) {
            got = readInput();
            if (got < 0)
                LOG_ERROR("Audio", "AudioReader::readData_mp3() ANOMALOUS BUFFER READ, returned len: %d", got);
            if (got < 1)
                break;
            input = m_input;
        } else if (answer != MPG123_NEW_FORMAT) {
            // MPG123_OK: the buffer is full; anything else: the stream holds nothing more to decode.
            break;
        }
        answer = mpg123_decode(m_handle.get(), input, static_cast<std::size_t>(got), buffer + delivered,
                               static_cast<std::size_t>(count - delivered), &done);
        delivered += static_cast<int>(done);
    }
    return delivered;
}

int Mp3Decoder::readInput() { return m_stream.read(m_input, sizeof m_input); }

} // namespace audio
