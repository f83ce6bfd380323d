#pragma once

#include "io/ByteArrayInputStream.h"
#include "io/DataInputStream.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace io {
class InputStream;
}

namespace game {

/// The four characters of a chunk id (or the magic) as the big-endian 32-bit value files hold.
constexpr std::uint32_t fourCharacterCode(std::string_view code) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[3]));
}

/// "QPF2": the first four bytes of every resource container.
constexpr std::uint32_t kContainerMagic = fourCharacterCode("QPF2");
constexpr std::uint32_t kSpriteChunk = fourCharacterCode("SPRT");
constexpr std::uint32_t kCompositeChunk = fourCharacterCode("COMP");
constexpr std::uint32_t kFontChunk = fourCharacterCode("FONT");
constexpr std::uint32_t kTextChunk = fourCharacterCode("TEXT");
constexpr std::uint32_t kLanguageIdsChunk = fourCharacterCode("LIDS");
constexpr std::uint32_t kTextGroupChunk = fourCharacterCode("TXGP");
constexpr std::uint32_t kLanguageDataChunk = fourCharacterCode("LDAT");

/// A typed reader over a stretch of bytes held elsewhere (a chunk body or a whole file): the
/// big-endian data input, with errors naming the file. The bytes must outlive the reader.
class ChunkReader {
public:
    /// Reads `size` bytes at `data`; `name` names the file in messages.
    ChunkReader(const std::uint8_t* data, std::size_t size, const std::string& name);

    ChunkReader(const ChunkReader&) = delete;
    ChunkReader& operator=(const ChunkReader&) = delete;

    /// The data input; a read past the end raises "Unexpected end of file in {0}.".
    io::DataInput& data() { return m_data; }
    /// Bytes not read yet.
    int remaining() { return m_bytes.available(); }
    /// Reads an id and a body size (a sub-chunk header inside a chunk body).
    std::uint32_t readId() { return static_cast<std::uint32_t>(m_data.readInt()); }

private:
    io::ByteArrayInputStream m_bytes;
    io::DataInputStream m_data;
};

/// One chunk of a container: its id and where its body lies in the file's bytes.
struct Chunk {
    std::uint32_t id = 0;
    /// Offset of the body in the file.
    std::size_t offset = 0;
    /// Bytes of the body that the file holds: the declared size, cut at the end of the file, so
    /// that reading a short chunk ends with the data input's end-of-file error.
    std::size_t size = 0;
};

/// A resource file read whole into memory: a container ("QPF2", payload size, chunks) or, when
/// the magic is missing, a file of an older layout that its reader parses from the first byte.
class ContainerFile {
public:
    /// Reads the rest of `stream`; `name` (the path) names the file in messages. Raises
    /// `io::IOException` "Malformed QPF2 file: {0}" when the payload size exceeds the bytes after
    /// it, and the data input's end-of-file error for a file shorter than the header it starts.
    ContainerFile(io::InputStream& stream, std::string name);
    /// Opens `path` in the game's data folder and reads it as above.
    static ContainerFile openBundle(const std::string& path);

    /// True when the file starts with the magic and so has chunks.
    bool isContainer() const { return m_container; }
    /// The chunks in file order; empty for a file without the magic.
    const std::vector<Chunk>& chunks() const { return m_chunks; }
    /// A reader over one chunk's body.
    ChunkReader read(const Chunk& chunk) const;
    /// A reader over the whole file from its first byte (the older layouts).
    ChunkReader readWhole() const;
    /// The name given at construction.
    const std::string& name() const { return m_name; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::string m_name;
    bool m_container = false;
    std::vector<Chunk> m_chunks;
};

} // namespace game
