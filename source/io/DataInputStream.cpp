#include "io/DataInputStream.h"

#include "io/IOException.h"
#include "io/ReadAll.h"

#include <bit>
#include <cstring>

namespace io {

DataInputStream::DataInputStream(InputStream& stream) : InputStream(&stream) {}

DataInputStream::~DataInputStream() = default;

int DataInputStream::skip(int count) { return InputStream::skip(count); }

int DataInputStream::read(void* buffer, int count) { return InputStream::read(buffer, count); }

int DataInputStream::readFully(void* buffer, int count) {
    if (readUpTo(*this, buffer, count) != count)
        throw IOException(lang::Format("Unexpected end of file in {0}.", toString()));
    return count;
}

uint64_t DataInputStream::readBigEndian(int bytes) {
    uint8_t data[8];
    readFully(data, bytes);
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | data[i];
    return value;
}

bool DataInputStream::readBoolean() { return readBigEndian(1) != 0; }

int8_t DataInputStream::readByte() { return static_cast<int8_t>(readBigEndian(1)); }

char DataInputStream::readChar() { return static_cast<char>(readByte()); }

std::string DataInputStream::readChars(int count) {
    // Fields are read in pieces of 249 characters; the text of each piece ends at its
    // first zero byte, which drops the zero padding of fixed-size fields.
    constexpr int kPiece = 249;
    std::string text;
    char piece[kPiece] = {};
    int filled = 0;
    auto flush = [&] {
        text.append(piece, strnlen(piece, static_cast<size_t>(filled)));
        filled = 0;
    };
    for (int i = 0; i < count; ++i) {
        piece[filled++] = readChar();
        if (filled == kPiece)
            flush();
    }
    flush();
    return text;
}

double DataInputStream::readDouble() { return std::bit_cast<double>(readBigEndian(8)); }

float DataInputStream::readFloat() { return std::bit_cast<float>(static_cast<uint32_t>(readBigEndian(4))); }

int32_t DataInputStream::readInt() { return static_cast<int32_t>(readBigEndian(4)); }

int16_t DataInputStream::readShort() { return static_cast<int16_t>(readBigEndian(2)); }

int DataInputStream::readUTFLength() {
    const int length = readShort();
    if (length < 0)
        throw IOException(lang::Format("Invalid UTF-8 data in {0}.", toString()));
    return length;
}

int DataInputStream::readUTF(char* buffer, int size) {
    const int length = readUTFLength();
    if (length >= size)
        throw IOException(
            lang::Format("Too small buffer ({0}) for UTF-8 data in {1}.", std::to_string(size), toString()));
    readFully(buffer, length);
    buffer[length] = '\0';
    return length;
}

std::string DataInputStream::readUTF() {
    std::string text(static_cast<size_t>(readUTFLength()), '\0');
    readFully(text.data(), static_cast<int>(text.size()));
    return text;
}

} // namespace io
