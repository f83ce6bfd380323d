#include "io/FileInputStream.h"
#include "io/FileOutputStream.h"
#include "io/IOException.h"
#include "io/ReadAll.h"
#include "lang/Log.h"

#include "IoTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using io::FileInputStream;
using io::FileOutputStream;
using io::InputStream;
using io::IOException;

namespace {

int openDescriptors() {
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
}

TEST(FileStream, WritesAndReadsBackWithSeekSkipAndShortReadAtTheEnd) {
    TempDir dir;
    const std::string path = dir.file("data.bin");
    {
        FileOutputStream out(path);
        EXPECT_EQ(out.write("0123456789", 10), 10);
        EXPECT_EQ(out.toString(), path);
    }
    FileInputStream in(path);
    EXPECT_EQ(in.toString(), path);
    EXPECT_EQ(in.available(), 10);
    EXPECT_EQ(in.skip(3), 3);
    EXPECT_EQ(in.skip(-2), 0);
    EXPECT_EQ(in.available(), 7);
    char buffer[16] = {};
    EXPECT_EQ(in.read(buffer, 16), 7);
    EXPECT_STREQ(buffer, "3456789");
    EXPECT_EQ(in.read(buffer, 16), 0);
    EXPECT_TRUE(in.seek(-2, InputStream::kSeekEnd));
    EXPECT_EQ(in.available(), 2);
    EXPECT_FALSE(in.seek(-1, InputStream::kSeekSet));
    EXPECT_FALSE(in.seek(0, 7));
    EXPECT_TRUE(in.seek(0, InputStream::kSeekSet));
    EXPECT_EQ(io::readAll(in).size(), 10u);
}

TEST(FileStream, OpenFailuresNameThePathAndErrno) {
    TempDir dir;
    const std::string missing = dir.file("missing.bin");
    EXPECT_EQ(raisedMessage([&] { FileInputStream{missing}; }), "Failed to open " + missing + " with errno 2");
    const std::string nowhere = dir.file("no/such/folder.bin");
    EXPECT_EQ(raisedMessage([&] { FileOutputStream{nowhere}; }),
              "Failed to open " + nowhere + " for writing with errno 2");
}

TEST(FileStream, PathsAreNormalisedBeforeOpening) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("a"));
    dir.write("a/c.png", "png");
    FileInputStream in(dir.path() + "\\a\\b\\..\\.\\c.png");
    EXPECT_EQ(in.available(), 3);
}

TEST(FileStream, ReadAndWriteErrorsAreRaisedWithExactCounts) {
    TempDir dir;
    // Opening a folder works on POSIX; reading from it fails.
    FileInputStream folder(dir.path());
    char buffer[8];
    EXPECT_EQ(raisedMessage([&] { folder.read(buffer, 8); }), "Failed to read 8 bytes from " + dir.path());

    // More than the C library buffers, so the failure shows at once and not at closing.
    FileOutputStream full("/dev/full");
    const std::vector<char> big(3 * 1024 * 1024, 'x');
    EXPECT_EQ(raisedMessage([&] { full.write(big.data(), static_cast<int>(big.size())); }),
              "Failed to write 3145728 bytes to /dev/full");
}

TEST(FileStream, AFailureWhenTheLastBytesReachTheFileIsLogged) {
    struct Errors : lang::log::Listener {
        void log(const lang::log::Record& record) override {
            if (record.level == lang::log::Error)
                messages.push_back(record.message);
        }
        std::vector<std::string> messages;
    } errors;
    {
        // Few enough bytes to stay in the C library's buffer until the file is closed.
        FileOutputStream full("/dev/full");
        EXPECT_EQ(full.write("abc", 3), 3);
    }
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("/dev/full"), std::string::npos) << errors.messages[0];
}

TEST(FileStream, TheFileClosesWithTheLastReference) {
    TempDir dir;
    const std::string path = dir.write("x", "x");
    const int before = openDescriptors();
    lang::Ref<InputStream> first(new FileInputStream(path));
    lang::Ref<InputStream> second = first;
    EXPECT_EQ(openDescriptors(), before + 1);
    first = nullptr;
    EXPECT_EQ(openDescriptors(), before + 1);
    second = nullptr;
    EXPECT_EQ(openDescriptors(), before);
}

} // namespace
