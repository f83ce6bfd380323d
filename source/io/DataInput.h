#pragma once

#include <cstdint>
#include <string>

namespace io {

/// Reads typed values: numbers big-endian, strings as a signed 16-bit big-endian byte count
/// followed by that many bytes (UTF-8 by convention, copied unchanged). Every read that
/// runs out of data raises `io::IOException` "Unexpected end of file in {0}." naming the stream.
class DataInput {
public:
    virtual ~DataInput();

    /// Skips up to `count` bytes; returns the number skipped.
    virtual int skip(int count) = 0;
    /// Reads up to `count` bytes; returns the number read.
    virtual int read(void* buffer, int count) = 0;
    /// Reads exactly `count` bytes and returns `count`, or raises.
    virtual int readFully(void* buffer, int count) = 0;
    /// One byte, true unless 0.
    virtual bool readBoolean() = 0;
    /// One signed byte.
    virtual int8_t readByte() = 0;
    /// One byte as a character (the same as `readByte`).
    virtual char readChar() = 0;
    /// A fixed-size field of `count` bytes; the text of each 249-byte piece ends at its first
    /// zero byte, so zero padding is dropped.
    virtual std::string readChars(int count) = 0;
    /// An IEEE 754 double.
    virtual double readDouble() = 0;
    /// An IEEE 754 single.
    virtual float readFloat() = 0;
    /// A signed 32-bit integer.
    virtual int32_t readInt() = 0;
    /// A signed 16-bit integer.
    virtual int16_t readShort() = 0;
    /// A string into `buffer` of `size` bytes with a terminator after it; returns its length.
    /// Raises "Invalid UTF-8 data in {0}." for a negative length and "Too small buffer ({0})
    /// for UTF-8 data in {1}." when the string and its terminator do not fit.
    virtual int readUTF(char* buffer, int size) = 0;
    /// A string; raises "Invalid UTF-8 data in {0}." for a negative length.
    virtual std::string readUTF() = 0;
};

} // namespace io
