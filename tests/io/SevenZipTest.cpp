#include "io/IOException.h"
#include "io/ZipFileInputStream.h"

#include "ZipTestArchives.h"

#include <gtest/gtest.h>

using io::ZipFileInputStream;
using namespace ziptest;

namespace {


// 7-Zip stores the empty file first and sorts the others by extension and name; folders
// ("levels", "levels/world1") are not listed.
const Contents kBasic = {{"empty.txt", ""},
                         {"gr\xc3\xb6\xc3\x9f" "e.txt", "Gr\xc3\xb6\xc3\x9f" "e\n"},
                         {"hello.txt", kHello},
                         {"levels/world1/level01.lua", "return { filename = \"level01.lua\" }\n"}};

TEST(SevenZip, FoldersAreNotListedSoIndexOneIsTheSecondFile) {
    auto archive = openArchive(fixture("folder.7z"), false);
    ASSERT_EQ(archive->getEntryCount(), 2);
    EXPECT_EQ(archive->getEntryName(0), "dir/first.txt");
    EXPECT_EQ(archive->getEntryName(1), "dir/second.txt");
    EXPECT_EQ(text(*archive->getEntry(1)), "second file\n");
    EXPECT_EQ(raised([&] { archive->getEntry(2); }), "Entry index out of bounds! (index: 2, size: 2)");
}

TEST(SevenZip, ListsAndExtractsEmptyNestedAndNonAsciiNames) {
    auto archive = openArchive(fixture("basic.7z"), false);
    EXPECT_EQ(readEverything(*archive), kBasic);
}

TEST(SevenZip, EntriesComeInAnyOrderAndAnyNumberOfTimes) {
    auto archive = openArchive(fixture("basic.7z"), false);
    for (int index : {3, 0, 2, 2, 1, 3, 0}) {
        auto entry = archive->getEntry(index);
        EXPECT_EQ(entry->getName(), kBasic[static_cast<size_t>(index)].first);
        EXPECT_EQ(text(*entry), kBasic[static_cast<size_t>(index)].second) << index;
    }
    auto first = archive->getEntry(2);
    auto second = archive->getEntry(2);
    char byte;
    ASSERT_EQ(first->read(&byte, 1), 1);
    EXPECT_EQ(text(*second), kHello);
}

TEST(SevenZip, ManyEntriesAndOneLargerThanTheReadBuffer) {
    auto archive = openArchive(fixture("many.7z"), false);
    ASSERT_EQ(archive->getEntryCount(), 301);
    std::map<std::string, std::string> contents;
    for (int i = archive->getEntryCount() - 1; i >= 0; --i)
        contents[archive->getEntryName(i)] = text(*archive->getEntry(i));
    for (int i = 0; i < 300; ++i) {
        char number[4];
        std::snprintf(number, sizeof number, "%03d", i);
        EXPECT_EQ(contents[std::string("many/f") + number + ".txt"], std::string("entry ") + number + "\n");
    }
    const std::string& big = contents["big.txt"];
    ASSERT_EQ(big.size(), 1500u * 49u);
    EXPECT_EQ(big.substr(big.size() - 49), "line 01500 of a text larger than one read buffer\n");
}

TEST(SevenZip, WhatIsNotA7zArchiveCannotBeOpened) {
    for (const Bytes& bytes : {Bytes(), Bytes{'7', 'z'}, fixture("basic.zip"), Bytes(100, 0)})
        EXPECT_EQ(raised([&] { openArchive(bytes, false); }), "Error opening 7zip file. Error -30");
}

TEST(SevenZip, EveryTruncationAndFlippedByteIsRefusedOrHarmless) {
    expectEveryDamageHandled(fixture("basic.7z"), false);
    expectEveryDamageHandled(fixture("stored.7z"), false);
}

TEST(SevenZip, DamagedStoredDataFailsItsCrc) {
    Bytes damaged = fixture("stored.7z");
    damaged[find(damaged, std::string(300, '\xaa')) + 10] ^= 0x01;
    auto archive = openArchive(damaged, false, "stored.7z");
    ASSERT_EQ(archive->getEntryCount(), 2);
    EXPECT_EQ(archive->getEntryName(1), "stored.bin");
    EXPECT_EQ(raised([&] { archive->getEntry(1); }).rfind("Failed to extract \"stored.bin\" from stored.7z. Error -", 0), 0u);
    // The reader starts again after a failure.
    EXPECT_EQ(text(*archive->getEntry(0)), kHello);
}

TEST(SevenZip, EncryptedEntriesAreRefused) {
    auto archive = openArchive(fixture("encrypted.7z"), false, "encrypted.7z");
    ASSERT_EQ(archive->getEntryCount(), 1);
    try {
        archive->getEntry(0);
        FAIL() << "encrypted entry extracted";
    } catch (const io::IOException& e) {
        EXPECT_EQ(e.message().rfind("Failed to extract \"hello.txt\" from encrypted.7z. Error -", 0), 0u) << e.message();
    }
}

} // namespace
