#include "game/Container.h"

#include "io/BundleInputStream.h"
#include "io/IOException.h"
#include "io/ReadAll.h"
#include "lang/Format.h"

#include <algorithm>
#include <utility>

namespace game {

ChunkReader::ChunkReader(const std::uint8_t* data, std::size_t size, const std::string& name)
    : m_bytes(std::vector<std::uint8_t>(data, data + size), name), m_data(m_bytes) {}

ContainerFile::ContainerFile(io::InputStream& stream, std::string name)
    : m_bytes(io::readAll(stream)), m_name(std::move(name)) {
    constexpr std::size_t kHeaderSize = 8;
    ChunkReader header(m_bytes.data(), std::min(m_bytes.size(), kHeaderSize), m_name);
    if (static_cast<std::uint32_t>(header.data().readInt()) != kContainerMagic)
        return;
    m_container = true;
    const auto payloadSize = static_cast<std::uint32_t>(header.data().readInt());
    if (payloadSize > m_bytes.size() - kHeaderSize)
        throw io::IOException(lang::Format("Malformed QPF2 file: {0}", m_name));

    // Chunks run to the end of the file, as readers always walked them; the payload size only
    // guards against a file cut short.
    std::size_t offset = kHeaderSize;
    while (offset < m_bytes.size()) {
        ChunkReader chunkHeader(m_bytes.data() + offset, m_bytes.size() - offset, m_name);
        Chunk chunk;
        chunk.id = chunkHeader.readId();
        const auto declared = static_cast<std::uint32_t>(chunkHeader.data().readInt());
        chunk.offset = offset + 8;
        chunk.size = std::min<std::size_t>(declared, m_bytes.size() - chunk.offset);
        m_chunks.push_back(chunk);
        offset = chunk.offset + chunk.size;
    }
}

ContainerFile ContainerFile::openBundle(const std::string& path) {
    io::BundleInputStream stream(path);
    return ContainerFile(stream, path);
}

ChunkReader ContainerFile::read(const Chunk& chunk) const {
    return ChunkReader(m_bytes.data() + chunk.offset, chunk.size, m_name);
}

ChunkReader ContainerFile::readWhole() const { return ChunkReader(m_bytes.data(), m_bytes.size(), m_name); }

} // namespace game
