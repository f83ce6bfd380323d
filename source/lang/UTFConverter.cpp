#include "lang/UTFConverter.h"

#include <bit>
#include <cstddef>

namespace lang {

namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

int resolveMachineOrder(int encoding) {
    if (encoding == UTFConverter::UTF16)
        return kLittleEndian ? UTFConverter::UTF16LE : UTFConverter::UTF16BE;
    if (encoding == UTFConverter::UTF32)
        return kLittleEndian ? UTFConverter::UTF32LE : UTFConverter::UTF32BE;
    return encoding;
}

// Reads `size` bytes as one unsigned number in the given byte order.
std::uint32_t readUnit(const std::uint8_t* p, int size, bool bigEndian) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(p[i]) << (8 * (bigEndian ? size - 1 - i : i));
    return value;
}

void writeUnit(std::uint8_t* p, std::uint32_t value, int size, bool bigEndian) {
    for (int i = 0; i < size; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * (bigEndian ? size - 1 - i : i)));
}

bool decodeUtf8(const std::uint8_t* begin, std::size_t available, int& consumed, std::uint32_t& codePoint) {
    const std::uint8_t lead = begin[0];
    consumed = 1;
    if (lead < 0x80) {
        codePoint = lead;
        return true;
    }
    const int length = std::countl_one(lead);
    if (length < 2 || length > 4 || available < static_cast<std::size_t>(length))
        return false;
    std::uint32_t value = lead & (0x7Fu >> length);
    for (int i = 1; i < length; ++i) {
        // A byte that does not continue the sequence starts the next character: keep it.
        if ((begin[i] & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (begin[i] & 0x3Fu);
    }
    // Overlong forms are alternative spellings of short characters (a hidden "/" or NUL).
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length])
        return false;
    consumed = length;
    codePoint = value;
    return true;
}

bool decodeUtf16(const std::uint8_t* begin, std::size_t available, bool bigEndian, int& consumed,
                 std::uint32_t& codePoint) {
    if (available < 2) {
        consumed = static_cast<int>(available);
        return false;
    }
    const std::uint32_t unit = readUnit(begin, 2, bigEndian);
    consumed = 2;
    if ((unit & 0xFC00) != 0xD800) {
        codePoint = unit;
        return true;
    }
    if (available < 4)
        return false;
    const std::uint32_t low = readUnit(begin + 2, 2, bigEndian);
    // A high surrogate without its low half is dropped; the unit after it is a character of its own.
    if ((low & 0xFC00) != 0xDC00)
        return false;
    consumed = 4;
    codePoint = ((unit - 0xD800) << 10) + (low - 0xDC00) + 0x10000;
    return true;
}

int utf8Length(std::uint32_t codePoint) {
    if (codePoint < 0x80)
        return 1;
    if (codePoint < 0x800)
        return 2;
    if (codePoint < 0x10000)
        return 3;
    return codePoint < 0x200000 ? 4 : 0;
}

} // namespace

UTFConverter::UTFConverter(int encoding) : m_encoding(resolveMachineOrder(encoding)) {}

UTFConverter::~UTFConverter() = default;

bool UTFConverter::decode(const std::uint8_t* begin, const std::uint8_t* end, int& consumed,
                          std::uint32_t& codePoint) const {
    consumed = 0;
    if (begin >= end)
        return false;
    const auto available = static_cast<std::size_t>(end - begin);
    switch (m_encoding) {
    case ASCII:
        consumed = 1;
        codePoint = begin[0];
        return true;
    case UTF8:
        return decodeUtf8(begin, available, consumed, codePoint);
    case UTF16BE:
    case UTF16LE:
        return decodeUtf16(begin, available, m_encoding == UTF16BE, consumed, codePoint);
    case UTF32BE:
    case UTF32LE:
        consumed = static_cast<int>(available < 4 ? available : 4);
        if (available < 4)
            return false;
        codePoint = readUnit(begin, 4, m_encoding == UTF32BE);
        return true;
    default:
        return false;
    }
}

bool UTFConverter::encode(std::uint8_t* begin, std::uint8_t* end, int& written, std::uint32_t codePoint) const {
    written = 0;
    const std::ptrdiff_t room = end - begin;
    switch (m_encoding) {
    case ASCII:
        if (codePoint >= 0x80 || room < 1)
            return false;
        begin[0] = static_cast<std::uint8_t>(codePoint);
        written = 1;
        return true;
    case UTF8: {
        const int length = utf8Length(codePoint);
        if (length == 0 || room < length)
            return false;
        if (length == 1) {
            begin[0] = static_cast<std::uint8_t>(codePoint);
        } else {
            // The lead carries `length` one bits, then the top bits; each following byte six bits.
            for (int i = length - 1; i > 0; --i, codePoint >>= 6)
                begin[i] = static_cast<std::uint8_t>(0x80 | (codePoint & 0x3F));
            begin[0] = static_cast<std::uint8_t>((0xF00u >> length) | codePoint);
        }
        written = length;
        return true;
    }
    case UTF16BE:
    case UTF16LE: {
        const bool bigEndian = m_encoding == UTF16BE;
        if (codePoint < 0x10000) {
            if (room < 2)
                return false;
            writeUnit(begin, codePoint, 2, bigEndian);
            written = 2;
            return true;
        }
        // Beyond 0x10FFFF a surrogate pair would spell a different character.
        if (codePoint > 0x10FFFF || room < 4)
            return false;
        writeUnit(begin, 0xD800 + ((codePoint - 0x10000) >> 10), 2, bigEndian);
        writeUnit(begin + 2, 0xDC00 + (codePoint & 0x3FF), 2, bigEndian);
        written = 4;
        return true;
    }
    case UTF32BE:
    case UTF32LE:
        if (room < 4)
            return false;
        writeUnit(begin, codePoint, 4, m_encoding == UTF32BE);
        written = 4;
        return true;
    default:
        return false;
    }
}

} // namespace lang
