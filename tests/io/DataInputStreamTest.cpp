#include "io/DataInputStream.h"
#include "io/ByteArrayInputStream.h"
#include "io/IOException.h"

#include "IoTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using io::ByteArrayInputStream;
using io::DataInputStream;
using io::IOException;

namespace {

/// A named stream over `bytes` and a data view over it.
struct Data {
    explicit Data(std::vector<uint8_t> bytes) : stream(std::move(bytes), "level.dat"), data(stream) {}
    ByteArrayInputStream stream;
    DataInputStream data;
};

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

TEST(DataInputStream, ReadsBigEndianNumbers) {
    Data d({0x01, 0x00, 0xFF, 0x80, 0x7F, 0xFF, 0xFE, 0x80, 0x80, 0x00, 0x00, 0x01,
            0x12, 0x34, 0x56, 0x78, 0x3F, 0xC0, 0x00, 0x00, 0x40, 0x09, 0x21, 0xFB,
            0x54, 0x44, 0x2D, 0x18, 0xFF, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_TRUE(d.data.readBoolean());
    EXPECT_FALSE(d.data.readBoolean());
    EXPECT_EQ(d.data.readByte(), -1);
    EXPECT_EQ(d.data.readChar(), static_cast<char>(0x80));
    EXPECT_EQ(d.data.readShort(), 32767);
    EXPECT_EQ(d.data.readShort(), -384);
    EXPECT_EQ(d.data.readInt(), INT32_MIN + 1);
    EXPECT_EQ(d.data.readInt(), 0x12345678);
    EXPECT_EQ(d.data.readFloat(), 1.5f);
    EXPECT_EQ(d.data.readDouble(), 3.141592653589793);
    EXPECT_EQ(d.data.readDouble(), -INFINITY);
    EXPECT_EQ(d.data.available(), 0);
}

TEST(DataInputStream, TruncatedFieldsRaiseEndOfFileNamingTheStream) {
    const std::string expected = "Unexpected end of file in level.dat.";
    const std::vector<uint8_t> twoBytes = {0x12, 0x34};
    EXPECT_EQ(raisedMessage([&] { Data(twoBytes).data.readInt(); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data(twoBytes).data.readFloat(); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data(twoBytes).data.readDouble(); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data({0x12}).data.readShort(); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data({}).data.readByte(); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data({}).data.readBoolean(); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data(bytesOf("abc")).data.readChars(4); }), expected);
    char buffer[4];
    EXPECT_EQ(raisedMessage([&] { Data(twoBytes).data.readFully(buffer, 4); }), expected);
    EXPECT_EQ(raisedMessage([&] { Data(twoBytes).data.readFully(buffer, -1); }), expected);
    Data exact(twoBytes);
    EXPECT_EQ(exact.data.readFully(buffer, 2), 2);
    EXPECT_EQ(exact.data.readFully(buffer, 0), 0);
}

TEST(DataInputStream, ReadFullyCollectsPiecesFromStreamsThatDeliverLess) {
    class OneByteAtATime : public io::InputStream {
    public:
        OneByteAtATime() : InputStream(&m_inner) {}
        int read(void* buffer, int count) override { return InputStream::read(buffer, std::min(count, 1)); }

    private:
        ByteArrayInputStream m_inner{std::vector<uint8_t>{0x00, 0x03, 'a', 'b', 'c'}};
    };
    OneByteAtATime stream;
    DataInputStream data(stream);
    EXPECT_EQ(data.readUTF(), "abc");
}

TEST(DataInputStream, ReadUTFToString) {
    EXPECT_EQ(Data({0x00, 0x00, 'x'}).data.readUTF(), "");
    EXPECT_EQ(Data({0x00, 0x03, 'a', 0x00, 'b'}).data.readUTF(), std::string("a\0b", 3));
    EXPECT_EQ(Data({0x00, 0x02, 0xC3, 0xA4}).data.readUTF(), "\xC3\xA4");
}

TEST(DataInputStream, MalformedStringLengthsRaiseWithoutReadingOutOfBounds) {
    EXPECT_EQ(raisedMessage([] { Data({0xFF, 0xFF, 'a'}).data.readUTF(); }), "Invalid UTF-8 data in level.dat.");
    EXPECT_EQ(raisedMessage([] { Data({0x80, 0x00}).data.readUTF(); }), "Invalid UTF-8 data in level.dat.");
    // A length far beyond the data.
    EXPECT_EQ(raisedMessage([] {
                  Data({0x7F, 0xFF, 'a', 'b'}).data.readUTF();
              }),
              "Unexpected end of file in level.dat.");
    EXPECT_EQ(raisedMessage([] { Data({0x00}).data.readUTF(); }), "Unexpected end of file in level.dat.");
}

TEST(DataInputStream, ReadUTFIntoABufferChecksItsSize) {
    std::vector<uint8_t> sixteen = {0x00, 0x10};
    sixteen.resize(18, 'z');
    char buffer[17];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(raisedMessage([&] { Data(sixteen).data.readUTF(buffer, 16); }),
              "Too small buffer (16) for UTF-8 data in level.dat.");
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(Data(sixteen).data.readUTF(buffer, 17), 16);
    EXPECT_EQ(std::string(buffer), std::string(16, 'z'));
    EXPECT_EQ(Data({0x00, 0x00}).data.readUTF(buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(raisedMessage([&] {
                  Data({0x00, 0x00}).data.readUTF(buffer, 0);
              }),
              "Too small buffer (0) for UTF-8 data in level.dat.");
    EXPECT_EQ(raisedMessage([&] { Data({0xFF, 0xFE}).data.readUTF(buffer, 17); }), "Invalid UTF-8 data in level.dat.");
    EXPECT_EQ(raisedMessage([&] {
                  Data({0x00, 0x05, 'a'}).data.readUTF(buffer, 17);
              }),
              "Unexpected end of file in level.dat.");
}

TEST(DataInputStream, ReadCharsDropsZeroPaddingOfEachPiece) {
    EXPECT_EQ(Data(bytesOf(std::string("name\0\0\0\0", 8))).data.readChars(8), "name");
    EXPECT_EQ(Data(bytesOf(std::string("ab\0cd", 5))).data.readChars(5), "ab");
    EXPECT_EQ(Data({}).data.readChars(0), "");
    EXPECT_EQ(Data({}).data.readChars(-4), "");
    // Text goes on after a zero once a new piece of 249 characters starts.
    std::string field(249, 'a');
    field[10] = '\0';
    field += "tail";
    EXPECT_EQ(Data(bytesOf(field)).data.readChars(static_cast<int>(field.size())), std::string(10, 'a') + "tail");
    const std::string long_(600, 'q');
    EXPECT_EQ(Data(bytesOf(long_)).data.readChars(600), long_);
}

TEST(DataInputStream, StreamOperationsAndNameAreThoseOfTheStreamUnderneath) {
    Data d(bytesOf("0123456789"));
    EXPECT_EQ(d.data.toString(), "level.dat");
    EXPECT_EQ(d.data.skip(4), 4);
    EXPECT_EQ(d.data.available(), 6);
    EXPECT_TRUE(d.data.seek(-1, io::InputStream::kSeekEnd));
    char c = 0;
    EXPECT_EQ(d.data.read(&c, 1), 1);
    EXPECT_EQ(c, '9');
    EXPECT_EQ(d.stream.available(), 0);
}

} // namespace
