#include "io/FileType.h"

#include <gtest/gtest.h>

using io::FileType;
using io::getFileType;

namespace {

TEST(FileType, KnowsEveryExtensionInAnyCase) {
    const std::pair<const char*, FileType> cases[] = {
        {"a.bmp", FileType::BMP}, {"a.TGA", FileType::TGA},       {"a.jpg", FileType::JPG}, {"a.Jpeg", FileType::JPG},
        {"a.dds", FileType::DDS}, {"a.psd", FileType::PSD},       {"a.png", FileType::PNG}, {"a.pcx", FileType::PCX},
        {"a.pnm", FileType::PNM}, {"a.gif", FileType::GIF},       {"a.tif", FileType::TIF}, {"a.tiff", FileType::TIF},
        {"a.pvr", FileType::PVR}, {"a.wav", FileType::WAV},       {"a.mp3", FileType::MP3}, {"a.hgr", FileType::HGR},
        {"a.raw", FileType::RAW}, {"dir/b.c.WAV", FileType::WAV},
    };
    for (const auto& [name, type] : cases)
        EXPECT_EQ(getFileType(name), type) << name;
    EXPECT_EQ(static_cast<int>(FileType::JPG), 3);
    EXPECT_EQ(static_cast<int>(FileType::RAW), 15);
}

TEST(FileType, UnknownForOtherNames) {
    for (const char* name : {"jpeg", "a.tar.gz", "", ".", "a.", "a.jp", "a.jpgx", "dir.png/file", "a.png "})
        EXPECT_EQ(getFileType(name), FileType::UNKNOWN) << '"' << name << '"';
}

} // namespace
