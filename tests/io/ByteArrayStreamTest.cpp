#include "io/ByteArrayInputStream.h"
#include "io/ByteArrayOutputStream.h"
#include "io/IOException.h"
#include "io/ReadAll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>

using io::ByteArrayInputStream;
using io::InputStream;

namespace {

std::vector<uint8_t> sequence(int count) {
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    std::iota(bytes.begin(), bytes.end(), uint8_t{0});
    return bytes;
}

/// A stream that hides its length and hands out at most `piece` bytes per read, like a socket.
class TrickleStream : public InputStream {
public:
    TrickleStream(std::vector<uint8_t> bytes, int announced, int piece)
        : m_inner(std::move(bytes)), m_announced(announced), m_piece(piece) {}
    int read(void* buffer, int count) override { return m_inner.read(buffer, std::min(count, m_piece)); }
    int skip(int count) override { return m_inner.skip(count); }
    bool seek(int offset, int origin) override { return m_inner.seek(offset, origin); }
    int available() override { return m_announced; }
    std::string toString() override { return "trickle"; }

private:
    ByteArrayInputStream m_inner;
    int m_announced;
    int m_piece;
};

TEST(ByteArrayInputStream, SeekClampsToTheDataAndReadStopsAtTheEnd) {
    ByteArrayInputStream stream(sequence(10).data(), 10);
    EXPECT_TRUE(stream.seek(20, InputStream::kSeekSet));
    EXPECT_EQ(stream.position(), 10);
    EXPECT_EQ(stream.available(), 0);
    EXPECT_TRUE(stream.seek(-5, InputStream::kSeekEnd));
    EXPECT_EQ(stream.position(), 5);
    uint8_t buffer[8] = {};
    EXPECT_EQ(stream.read(buffer, 8), 5);
    EXPECT_EQ(buffer[0], 5);
    EXPECT_EQ(buffer[4], 9);
    EXPECT_EQ(stream.read(buffer, 8), 0);
    EXPECT_TRUE(stream.seek(-100, InputStream::kSeekCurrent));
    EXPECT_EQ(stream.position(), 0);
    // Offsets near the int limits must not overflow into a wrong position.
    EXPECT_TRUE(stream.seek(INT32_MAX, InputStream::kSeekEnd));
    EXPECT_EQ(stream.position(), 10);
    EXPECT_TRUE(stream.seek(INT32_MIN, InputStream::kSeekCurrent));
    EXPECT_EQ(stream.position(), 0);
    EXPECT_FALSE(stream.seek(0, 3));
}

TEST(ByteArrayInputStream, NegativeAndOversizedCountsStayInsideTheData) {
    ByteArrayInputStream stream(sequence(4).data(), 4);
    uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(stream.read(buffer, -1), 0);
    EXPECT_EQ(stream.skip(-3), 0);
    EXPECT_EQ(stream.position(), 0);
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(stream.skip(100), 4);
    EXPECT_EQ(stream.skip(1), 0);
    ByteArrayInputStream empty;
    EXPECT_EQ(empty.read(buffer, 4), 0);
    EXPECT_EQ(empty.available(), 0);
    ByteArrayInputStream fromNothing(nullptr, 0);
    EXPECT_EQ(fromNothing.available(), 0);
}

TEST(ByteArrayInputStream, NameDefaultsToTheClassName) {
    EXPECT_EQ(ByteArrayInputStream().toString(), "ByteArrayInputStream");
    EXPECT_EQ(ByteArrayInputStream(sequence(2), "entry.lua").toString(), "entry.lua");
}

TEST(ByteArrayInputStream, CopyingAnotherStreamTakesItsRestAndName) {
    TrickleStream source(sequence(3000), -1, 700);
    source.skip(1000);
    ByteArrayInputStream copy(source);
    EXPECT_EQ(copy.toString(), "trickle");
    ASSERT_EQ(copy.available(), 2000);
    EXPECT_EQ(copy.bytes().front(), static_cast<uint8_t>(1000 % 256));
}

TEST(InputStream, ForwardsToItsDelegateOrItsCountedSource) {
    ByteArrayInputStream data(sequence(6), "data");
    InputStream borrowing(&data);
    EXPECT_EQ(borrowing.toString(), "data");
    EXPECT_EQ(borrowing.skip(2), 2);
    EXPECT_TRUE(borrowing.seek(1, InputStream::kSeekCurrent));
    EXPECT_EQ(borrowing.available(), 3);
    uint8_t byte = 0;
    EXPECT_EQ(borrowing.read(&byte, 1), 1);
    EXPECT_EQ(byte, 3);
    EXPECT_EQ(data.references(), 0);

    lang::Ref<InputStream> source(new ByteArrayInputStream(sequence(6), "source"));
    {
        lang::Ref<InputStream> owner(new InputStream(source));
        EXPECT_EQ(source->references(), 2);
        source = nullptr;
        // The forwarding stream keeps its source alive on its own.
        EXPECT_EQ(owner->available(), 6);
        EXPECT_EQ(owner->toString(), "source");
    }
}

TEST(InputStream, AStreamWithoutSourceOrDelegateRaisesInsteadOfCrashing) {
    struct Unfinished : InputStream {
        Unfinished() = default;
    } stream;
    char byte;
    EXPECT_THROW(stream.read(&byte, 1), io::IOException);
    EXPECT_THROW(stream.toString(), io::IOException);
}

TEST(ByteArrayOutputStream, AppendsToItsOwnOrASuppliedVector) {
    io::ByteArrayOutputStream own(4);
    EXPECT_EQ(own.write("abc", 3), 3);
    EXPECT_EQ(own.write("de", 2), 2);
    EXPECT_EQ(own.write("x", -1), 0);
    EXPECT_EQ(std::string(own.bytes().begin(), own.bytes().end()), "abcde");
    EXPECT_EQ(own.toString(), "ByteArrayOutputStream");

    std::vector<uint8_t> target = {'>', ' '};
    {
        io::ByteArrayOutputStream supplied(target);
        supplied.write("hi", 2);
    }
    EXPECT_EQ(std::string(target.begin(), target.end()), "> hi");
}

TEST(ReadAll, ReadsStreamsOfUnknownLengthAcrossPieceBoundaries) {
    for (int size : {0, 1, 1023, 1024, 1025, 5000}) {
        TrickleStream stream(sequence(size), -1, 1024);
        EXPECT_EQ(io::readAll(stream), sequence(size)) << size;
    }
}

TEST(ReadAll, KeepsOnlyTheBytesThatCameWhenAStreamAnnouncesMore) {
    TrickleStream stream(sequence(100), 400, 400);
    EXPECT_EQ(io::readAll(stream), sequence(100));
}

} // namespace
