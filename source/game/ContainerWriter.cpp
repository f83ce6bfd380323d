#include "game/ContainerWriter.h"

#include "game/Container.h"
#include "lang/Exception.h"
#include "lang/Format.h"

#include <limits>
#include <string>

namespace game {

namespace {

constexpr std::size_t kSizeFieldOffset = 4;

} // namespace

ContainerWriter::ContainerWriter() {
    writeInt(static_cast<std::int32_t>(kContainerMagic));
    writeInt(0);
}

void ContainerWriter::beginChunk(std::uint32_t id) {
    writeInt(static_cast<std::int32_t>(id));
    m_openChunks.push_back(m_bytes.size());
    writeInt(0);
}

void ContainerWriter::endChunk() {
    if (m_openChunks.empty())
        throw lang::Exception(lang::Format("ContainerWriter: no chunk is open"));
    const std::size_t sizeField = m_openChunks.back();
    m_openChunks.pop_back();
    patchSize(sizeField, m_bytes.size() - sizeField - 4);
}

void ContainerWriter::writeShort(std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    m_bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
    m_bytes.push_back(static_cast<std::uint8_t>(bits));
}

void ContainerWriter::writeInt(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    writeShort(static_cast<std::int16_t>(bits >> 16));
    writeShort(static_cast<std::int16_t>(bits & 0xFFFFu));
}

void ContainerWriter::writeByte(std::int8_t value) { m_bytes.push_back(static_cast<std::uint8_t>(value)); }

void ContainerWriter::writeString(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw lang::Exception(lang::Format("ContainerWriter: a text of {0} bytes is longer than 32767", text.size()));
    writeShort(static_cast<std::int16_t>(text.size()));
    writeBytes(text.data(), text.size());
}

void ContainerWriter::writeBytes(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), bytes, bytes + count);
}

std::vector<std::uint8_t> ContainerWriter::finish() {
    if (!m_openChunks.empty())
        throw lang::Exception(lang::Format("ContainerWriter: a chunk is still open"));
    patchSize(kSizeFieldOffset, m_bytes.size() - kSizeFieldOffset - 4);
    return m_bytes;
}

void ContainerWriter::patchSize(std::size_t at, std::size_t size) {
    const auto value = static_cast<std::uint32_t>(size);
    for (int i = 0; i < 4; ++i)
        m_bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

} // namespace game
