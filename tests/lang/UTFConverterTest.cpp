#include "lang/UTFConverter.h"

#include <gtest/gtest.h>

#include <vector>

using lang::UTFConverter;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Decoded {
    bool ok;
    int consumed;
    std::uint32_t codePoint;
};

Decoded decode(int encoding, const Bytes& bytes) {
    Decoded d{false, -1, 0};
    d.ok = UTFConverter(encoding).decode(bytes.data(), bytes.data() + bytes.size(), d.consumed, d.codePoint);
    return d;
}

Bytes encode(int encoding, std::uint32_t codePoint, std::size_t room = 4) {
    Bytes out(room, 0xEE);
    int written = -1;
    if (!UTFConverter(encoding).encode(out.data(), out.data() + out.size(), written, codePoint)) {
        EXPECT_EQ(written, 0);
        EXPECT_EQ(out, Bytes(room, 0xEE)) << "a failed encode wrote bytes";
        return {};
    }
    out.resize(static_cast<std::size_t>(written));
    return out;
}

TEST(UTFConverter, EveryEncodingRoundTrips) {
    const std::uint32_t samples[] = {0,      0x41,   0x7F,   0x80,    0xE4,    0x7FF,   0x800,
                                     0xD7FF, 0xE000, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF};
    for (int encoding = UTFConverter::UTF8; encoding <= UTFConverter::UTF32LE; ++encoding)
        for (std::uint32_t codePoint : samples) {
            const Bytes bytes = encode(encoding, codePoint);
            const Decoded d = decode(encoding, bytes);
            EXPECT_TRUE(d.ok && d.codePoint == codePoint && d.consumed == static_cast<int>(bytes.size()))
                << "encoding " << encoding << " code point " << std::hex << codePoint;
        }
    EXPECT_EQ(decode(UTFConverter::ASCII, {0xFF}).codePoint, 0xFFu); // any byte decodes
    EXPECT_EQ(encode(UTFConverter::ASCII, 0x7F), Bytes{0x7F});
    EXPECT_EQ(encode(UTFConverter::ASCII, 0x80), Bytes{});
}

TEST(UTFConverter, ByteOrders) {
    EXPECT_EQ(encode(UTFConverter::UTF16BE, 0x1F600), (Bytes{0xD8, 0x3D, 0xDE, 0x00}));
    EXPECT_EQ(encode(UTFConverter::UTF16LE, 0xE4), (Bytes{0xE4, 0x00}));
    EXPECT_EQ(encode(UTFConverter::UTF32BE, 0x1F600), (Bytes{0, 0x01, 0xF6, 0}));
    EXPECT_EQ(encode(UTFConverter::UTF32LE, 0x1F600), (Bytes{0, 0xF6, 0x01, 0}));
    EXPECT_EQ(encode(UTFConverter::UTF8, 0x1F600), (Bytes{0xF0, 0x9F, 0x98, 0x80}));
    EXPECT_EQ(UTFConverter(UTFConverter::UTF16).encoding(), UTFConverter::UTF16LE); // this machine's order
    EXPECT_EQ(UTFConverter(UTFConverter::UTF32).encoding(), UTFConverter::UTF32LE);
}

TEST(UTFConverter, FailuresAndTheBytesToSkip) {
    struct Case {
        int encoding;
        Bytes bytes;
        bool ok;
        int consumed;
    } cases[] = {
        {UTFConverter::UTF8, {}, false, 0},
        {UTFConverter::UTF8, {0x80, 0x41}, false, 1},             // stray continuation
        {UTFConverter::UTF8, {0xF8, 0x80, 0x80, 0x80}, false, 1}, // five-byte lead
        {UTFConverter::UTF8, {0xE2, 0x82}, false, 1},             // truncated
        {UTFConverter::UTF8, {0xC3, 0x41}, false, 1},             // the A is not swallowed
        {UTFConverter::UTF8, {0xC0, 0xAF}, false, 1},             // overlong "/"
        {UTFConverter::UTF8, {0xE0, 0x80, 0x80}, false, 1},       // overlong NUL
        {UTFConverter::UTF8, {0xED, 0xB0, 0x80}, true, 3},        // lone surrogate passes
        {UTFConverter::UTF16LE, {0x3D}, false, 1},
        {UTFConverter::UTF16LE, {0x3D, 0xD8}, false, 2},             // high surrogate at the end
        {UTFConverter::UTF16LE, {0x3D, 0xD8, 0x41, 0x00}, false, 2}, // high surrogate then A
        {UTFConverter::UTF16LE, {0x00, 0xDC}, true, 2},              // lone low surrogate passes
        {UTFConverter::UTF32LE, {1, 2, 3}, false, 3},
        {0, {0x41}, false, 0},
        {9, {0x41}, false, 0},
    };
    for (const Case& c : cases) {
        const Decoded d = decode(c.encoding, c.bytes);
        EXPECT_EQ(d.ok, c.ok) << "encoding " << c.encoding << " first byte " << (c.bytes.empty() ? -1 : c.bytes[0]);
        EXPECT_EQ(d.consumed, c.consumed) << "encoding " << c.encoding;
    }
    EXPECT_EQ(decode(UTFConverter::UTF16LE, {0x00, 0xDC}).codePoint, 0xDC00u);
}

TEST(UTFConverter, EncodingFailsWithoutRoomOrRange) {
    EXPECT_EQ(encode(UTFConverter::UTF8, 0x800, 2), Bytes{});
    EXPECT_EQ(encode(UTFConverter::UTF8, 0x1FFFFF), (Bytes{0xF7, 0xBF, 0xBF, 0xBF}));
    EXPECT_EQ(encode(UTFConverter::UTF8, 0x200000), Bytes{});
    EXPECT_EQ(encode(UTFConverter::UTF16LE, 0x10000, 3), Bytes{});
    EXPECT_EQ(encode(UTFConverter::UTF16LE, 0x110000), Bytes{}); // no surrogate pair spells it
    EXPECT_EQ(encode(UTFConverter::UTF32BE, 1, 3), Bytes{});
    EXPECT_EQ(encode(0, 0x41), Bytes{});
}

} // namespace
