#pragma once

// Files for the reader tests: fields written in one line, a fresh working folder (the game's data
// folder is the working directory), PNG headers the recording context takes sizes from, and the
// sweep over a file's prefixes.

#include "game/Container.h"
#include "game/ContainerWriter.h"
#include "io/ByteArrayInputStream.h"
#include "WorkingFolder.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <variant>

using Bytes = std::vector<std::uint8_t>;
struct Int32 {
    std::int32_t value;
};
struct Int8 {
    std::int8_t value;
};
/// A 16-bit number, a 32-bit or 8-bit one, or a string.
using Field = std::variant<int, Int32, Int8, const char*>;
using Fields = std::vector<Field>;

inline Fields operator+(Fields first, const Fields& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

inline void put(game::ContainerWriter& writer, const Fields& fields) {
    for (const Field& field : fields) {
        if (const int* number = std::get_if<int>(&field))
            writer.writeShort(static_cast<std::int16_t>(*number));
        else if (const Int32* wide = std::get_if<Int32>(&field))
            writer.writeInt(wide->value);
        else if (const Int8* narrow = std::get_if<Int8>(&field))
            writer.writeByte(narrow->value);
        else
            writer.writeString(std::get<const char*>(field));
    }
}

/// A chunk holding `fields`, its id given as its four characters.
inline void chunk(game::ContainerWriter& writer, const char* id, const Fields& fields) {
    writer.beginChunk(game::fourCharacterCode(id));
    put(writer, fields);
    writer.endChunk();
}

/// A file of the older layouts: the fields without any container header.
inline Bytes bare(const Fields& fields) {
    game::ContainerWriter writer;
    put(writer, fields);
    Bytes bytes = writer.finish();
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    return bytes;
}

inline void writeFile(const std::string& path, const Bytes& bytes) {
    if (const auto folder = std::filesystem::path(path).parent_path(); !folder.empty())
        std::filesystem::create_directories(folder);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

/// The first 24 bytes of a PNG file of width × height pixels.
inline Bytes pngHeader(int width, int height) {
    Bytes bytes = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const int value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    return bytes;
}

inline game::ContainerFile inMemory(const Bytes& bytes, const std::string& name) {
    io::ByteArrayInputStream stream(bytes, name);
    return game::ContainerFile(stream, name);
}

/// Reads every prefix of `bytes`: each reads or raises an engine exception (anything else fails
/// the test; a crash shows under the sanitizers), and the whole file reads.
inline void expectEveryPrefixReadsOrRaises(const Bytes& bytes, const std::function<void(const Bytes&)>& read) {
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        try {
            read(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)));
        } catch (const lang::Exception&) {
        }
    }
    EXPECT_NO_THROW(read(bytes));
}

/// Runs each test in a fresh folder of its own, removed afterwards.
class InTemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override { m_folder.emplace(); }
    void TearDown() override { m_folder.reset(); }

private:
    std::optional<testsupport::WorkingFolder> m_folder;
};

/// A container of one chunk holding `fields`.
inline Bytes container(const char* id, const Fields& fields) {
    game::ContainerWriter writer;
    chunk(writer, id, fields);
    return writer.finish();
}
