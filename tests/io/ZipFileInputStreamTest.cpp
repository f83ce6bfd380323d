#include "io/ByteArrayInputStream.h"
#include "io/FileInputStream.h"
#include "io/IOException.h"
#include "io/ZipFileInputStream.h"

#include "ZipTestArchives.h"

#include <gtest/gtest.h>

using io::ZipFileInputStream;
using namespace ziptest;

namespace {

const std::string kLevel = "return { filename = \"level01.lua\" }\n";
const std::string kStored(300, '\xaa');

const Contents kBasic = {{"hello.txt", kHello},
                         {"empty.txt", ""},
                         {"levels/", ""},
                         {"levels/world1/level01.lua", kLevel},
                         {"stored.bin", kStored}};

// The end-of-central-directory record alone: a valid zip archive without entries.
const Bytes kEmptyZip = {'P', 'K', 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(ZipFileInputStream, ListsAndExtractsEveryEntryInArchiveOrder) {
    auto archive = openArchive(fixture("basic.zip"), true);
    EXPECT_EQ(readEverything(*archive), kBasic);
}

TEST(ZipFileInputStream, ReadsAnArchiveFileInPlace) {
    auto archive = lang::Ref(new ZipFileInputStream(new io::FileInputStream(std::string(TUMBLE_TEST_DATA) + "/basic.zip"), true));
    EXPECT_EQ(readEverything(*archive), kBasic);
}

// Streams of unknown length (remote files) cannot be sought from the end; they are read into
// memory first.
class UnknownLengthStream : public io::InputStream {
public:
    explicit UnknownLengthStream(Bytes bytes) : m_bytes(std::move(bytes)) {}
    int read(void* buffer, int count) override {
        const int copied = std::min(count, static_cast<int>(m_bytes.size() - m_position));
        std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), copied, static_cast<uint8_t*>(buffer));
        m_position += static_cast<size_t>(copied);
        return copied;
    }
    int available() override { return -1; }
    std::string toString() override { return "unknown length"; }

private:
    Bytes m_bytes;
    size_t m_position = 0;
};

TEST(ZipFileInputStream, ReadsASourceOfUnknownLength) {
    auto archive = lang::Ref(new ZipFileInputStream(new UnknownLengthStream(fixture("basic.zip")), true));
    EXPECT_EQ(readEverything(*archive), kBasic);
}

TEST(ZipFileInputStream, EntriesAreIndependentStreamsInAnyOrder) {
    auto archive = openArchive(fixture("basic.zip"), true);
    auto first = archive->getEntry(4);
    auto second = archive->getEntry(4);
    auto earlier = archive->getEntry(0);
    char byte;
    ASSERT_EQ(first->read(&byte, 1), 1);
    EXPECT_EQ(first->available(), 299);
    EXPECT_EQ(second->available(), 300);
    EXPECT_EQ(text(*second), kStored);
    EXPECT_EQ(text(*earlier), kHello);
    EXPECT_EQ(first->getName(), "stored.bin");
    EXPECT_EQ(first->toString(), "ByteArrayInputStream");
}

TEST(ZipFileInputStream, EmptyArchiveHasNoEntries) {
    Bytes commented = kEmptyZip;
    commented[20] = 3;
    commented.insert(commented.end(), {'a', 'b', 'c'});
    for (const Bytes& bytes : {kEmptyZip, commented}) {
        auto archive = openArchive(bytes, true);
        EXPECT_EQ(archive->getEntryCount(), 0);
        EXPECT_EQ(raised([&] { archive->getEntry(0); }), "Entry index out of bounds! (index: 0, size: 0)");
    }
    // Only the record alone is the empty archive: one that claims entries, or has bytes the
    // comment does not cover, is damaged.
    Bytes claimsEntries = kEmptyZip;
    claimsEntries[8] = 1;
    claimsEntries[10] = 1;
    Bytes trailing = kEmptyZip;
    trailing.push_back('x');
    for (const Bytes& bytes : {claimsEntries, trailing})
        EXPECT_EQ(raised([&] { openArchive(bytes, true); }), "Error opening 7zip file. Error 1");
}

TEST(ZipFileInputStream, IndexesOutsideTheListAreRefused) {
    auto archive = openArchive(fixture("basic.zip"), true);
    for (int index : {-1, 5, 1000})
        for (const auto& action : {std::function<void()>([&] { archive->getEntry(index); }),
                                   std::function<void()>([&] { archive->getEntryName(index); })})
            EXPECT_EQ(raised(action), "Entry index out of bounds! (index: " + std::to_string(index) + ", size: 5)");
}

TEST(ZipFileInputStream, LongNamesAreListedWhole) {
    auto archive = openArchive(fixture("long-name.zip"), true);
    const std::string deep = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c') + ".txt";
    ASSERT_EQ(archive->getEntryCount(), 3);
    EXPECT_EQ(archive->getEntryName(2), deep);
    EXPECT_EQ(text(*archive->getEntry(2)), "deep\n");
}

TEST(ZipFileInputStream, ManyEntriesAndOneLargerThanTheReadBuffer) {
    auto archive = openArchive(fixture("many.zip"), true);
    ASSERT_EQ(archive->getEntryCount(), 302); // the folder, 300 files and big.txt
    EXPECT_EQ(archive->getEntryName(0), "many/");
    for (int i = 299; i >= 0; i -= 13) {
        char number[4];
        std::snprintf(number, sizeof number, "%03d", i);
        EXPECT_EQ(archive->getEntryName(i + 1), std::string("many/f") + number + ".txt");
        EXPECT_EQ(text(*archive->getEntry(i + 1)), std::string("entry ") + number + "\n");
    }
    const std::string big = text(*archive->getEntry(301));
    EXPECT_EQ(big.size(), 1500u * 49u);
    EXPECT_EQ(big.substr(0, 49), "line 00001 of a text larger than one read buffer\n");
    EXPECT_EQ(big.substr(big.size() - 49), "line 01500 of a text larger than one read buffer\n");
}

TEST(ZipFileInputStream, WhatIsNotAZipArchiveCannotBeOpened) {
    for (const Bytes& bytes : {Bytes(), Bytes{'P', 'K'}, fixture("basic.7z"), Bytes(100, 0)})
        EXPECT_EQ(raised([&] { openArchive(bytes, true); }), "Error opening 7zip file. Error 1");
}

TEST(ZipFileInputStream, EveryTruncationAndFlippedByteIsRefusedOrHarmless) {
    expectEveryDamageHandled(fixture("basic.zip"), true);
}

TEST(ZipFileInputStream, DamagedStoredDataFailsItsCrc) {
    Bytes damaged = fixture("basic.zip");
    damaged[find(damaged, kStored) + 150] ^= 0x10;
    auto archive = openArchive(damaged, true, "basic.zip");
    EXPECT_EQ(text(*archive->getEntry(0)), kHello);
    try {
        archive->getEntry(4);
        FAIL() << "damaged entry extracted";
    } catch (const io::IOException& e) {
        EXPECT_EQ(e.message(), "Failed to extract \"stored.bin\" from basic.zip. Error -105");
    }
}

TEST(ZipFileInputStream, DamagedDeflatedDataIsRefused) {
    Bytes damaged = fixture("basic.zip");
    // hello.txt's compressed data follows its local header (30 bytes and the name).
    damaged[30 + 9 + 4] ^= 0xff;
    auto archive = openArchive(damaged, true, "basic.zip");
    EXPECT_EQ(raised([&] { archive->getEntry(0); }).rfind("Failed to extract \"hello.txt\" from basic.zip. Error -", 0), 0u);
    EXPECT_EQ(text(*archive->getEntry(3)), kLevel);
}

TEST(ZipFileInputStream, EncryptedEntriesAreRefused) {
    auto archive = openArchive(fixture("encrypted.zip"), true, "encrypted.zip");
    ASSERT_EQ(archive->getEntryCount(), 1);
    EXPECT_EQ(raised([&] { archive->getEntry(0); }).rfind("Failed to extract \"hello.txt\" from encrypted.zip. Error", 0),
              0u);
}

// A source that raises once it has handed out `budget` bytes, like a file that fails mid-read.
class FailingStream : public io::ByteArrayInputStream {
public:
    FailingStream(Bytes bytes, int budget) : ByteArrayInputStream(std::move(bytes)), m_budget(budget) {}
    int read(void* buffer, int count) override {
        if (count > m_budget)
            throw io::IOException(lang::Format("Failed to read {0} bytes from {1}", count, "failing"));
        m_budget -= count;
        return ByteArrayInputStream::read(buffer, count);
    }
    int m_budget;
};

TEST(ZipFileInputStream, SourceErrorsPassThroughTheZipLibrary) {
    EXPECT_EQ(raised([] { ZipFileInputStream(new FailingStream(fixture("basic.zip"), 0), true); }).rfind("Failed to read", 0),
              0u);

    lang::Ref<FailingStream> source = new FailingStream(fixture("many.zip"), 1 << 30);
    ZipFileInputStream archive(source, true);
    source->m_budget = 100;
    EXPECT_EQ(raised([&] { archive.getEntry(301); }).rfind("Failed to read", 0), 0u);
    source->m_budget = 1 << 30;
    EXPECT_EQ(text(*archive.getEntry(1)), "entry 000\n");
}

} // namespace
