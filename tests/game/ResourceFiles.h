#pragma once

// Files for the reader tests: a fresh working folder (the game's data folder is the working
// directory), PNG headers the recording context takes sizes from, and the prefix sweep.

#include "game/Container.h"
#include "io/ByteArrayInputStream.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

/// Runs each test in a fresh folder of its own, removed afterwards.
class InTemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tumble-res-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_previous = std::filesystem::current_path();
        m_folder = pattern;
        std::filesystem::current_path(m_folder);
    }
    void TearDown() override {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_folder);
    }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

inline void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

/// The first 24 bytes of a PNG file of width × height pixels.
inline std::vector<std::uint8_t> pngHeader(int width, int height) {
    std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const int value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    return bytes;
}

/// The writes of a container without its header: a file of an older layout.
inline std::vector<std::uint8_t> withoutHeader(std::vector<std::uint8_t> bytes) {
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    return bytes;
}

inline game::ContainerFile inMemory(const std::vector<std::uint8_t>& bytes, const std::string& name) {
    io::ByteArrayInputStream stream(bytes, name);
    return game::ContainerFile(stream, name);
}

/// Reads every prefix of `bytes` (the whole file last, which must read): each either reads or
/// raises an engine exception; anything else fails the test, and a crash shows under the sanitizers.
inline void expectEveryPrefixReadsOrRaises(const std::vector<std::uint8_t>& bytes,
                                           const std::function<void(const std::vector<std::uint8_t>&)>& read) {
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        try {
            read(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)));
        } catch (const lang::Exception&) {
        }
    }
    EXPECT_NO_THROW(read(bytes));
}
