#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace game {

/// Builds the bytes of a resource container: the magic and payload size, then chunks whose
/// bodies are written with big-endian numbers and length-prefixed UTF-8 strings, as the readers
/// expect them. Chunks may nest (sub-chunks of a text table). Used by the data tool and tests.
class ContainerWriter {
public:
    /// Starts a container with its header.
    ContainerWriter();

    /// Opens a chunk (or a sub-chunk inside the open one): writes the id and reserves its size.
    void beginChunk(std::uint32_t id);
    /// Closes the innermost open chunk, filling in its body size.
    void endChunk();

    void writeShort(std::int16_t value);
    void writeInt(std::int32_t value);
    void writeByte(std::int8_t value);
    /// A signed 16-bit byte count and the bytes; raises `lang::Exception` for a text over 32767 bytes.
    void writeString(std::string_view text);
    /// Bytes as they are.
    void writeBytes(const void* data, std::size_t count);

    /// The finished file; raises `lang::Exception` while a chunk is still open.
    std::vector<std::uint8_t> finish();

private:
    void patchSize(std::size_t at, std::size_t size);

    std::vector<std::uint8_t> m_bytes;
    std::vector<std::size_t> m_openChunks;
};

} // namespace game
