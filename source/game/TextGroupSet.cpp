#include "game/TextGroupSet.h"

#include "game/ChunkReading.h"
#include "game/Container.h"
#include "io/IOException.h"
#include "lang/Exception.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace game {

namespace {

constexpr std::string_view kAllLanguages = "ALL";

std::vector<std::string> readStrings(io::DataInput& data, int count) {
    std::vector<std::string> strings;
    for (int i = 0; i < count; ++i)
        strings.push_back(data.readUTF());
    return strings;
}

/// Calls `visit(id, body)` for each sub-chunk of the file's version-1 "TEXT" chunks, in order,
/// until it returns false. Each body is read on its own, so that a sub-chunk never reads into the
/// next one and a short one ends in the end-of-file error.
template <class Visit> void walkTextSubChunks(const ContainerFile& file, Visit visit) {
    bool going = true;
    readChunks(file, kTextChunk, {1}, [&](ChunkReader& text, int) {
        while (going && text.remaining() > 0) {
            const std::uint32_t id = text.readId();
            const auto declared = static_cast<std::uint32_t>(text.data().readInt());
            std::vector<std::uint8_t> body(std::min<std::uint32_t>(declared, text.remaining()));
            text.data().readFully(body.data(), static_cast<int>(body.size()));
            ChunkReader reader(body.data(), body.size(), file.name());
            going = visit(id, reader);
        }
    });
}

/// The language block of the older layout, after its leading byte and its length.
std::vector<std::string> readOldLanguages(io::DataInput& data) {
    data.readByte();
    data.readInt();
    return readStrings(data, data.readByte());
}

/// The strings of the language at `index` of the file at `path`, or null when the file ends
/// before them.
lang::Ref<TextGroup> readGroup(const std::string& path, int index) {
    const ContainerFile file = ContainerFile::openBundle(path);
    lang::Ref<TextGroup> group;
    const auto fill = [&](io::DataInput& data, const std::vector<std::string>& identifiers) {
        group = new TextGroup();
        for (const std::string& identifier : identifiers)
            group->set(identifier, data.readUTF());
    };
    if (!file.isContainer()) {
        ChunkReader reader = file.readWhole();
        io::DataInput& data = reader.data();
        readOldLanguages(data);
        const std::vector<std::string> identifiers = readStrings(data, data.readShort());
        // A table of one offset per language: language k's strings start V bytes after its entry.
        data.skip(index * 4);
        data.skip(data.readInt());
        fill(data, identifiers);
        return group;
    }
    std::optional<std::vector<std::string>> identifiers;
    int groupNumber = 0;
    walkTextSubChunks(file, [&](std::uint32_t id, ChunkReader& body) {
        if (id == kLanguageIdsChunk) {
            identifiers = readStrings(body.data(), body.data().readShort());
        } else if (id == kTextGroupChunk) {
            if (!identifiers)
                throw io::IOException(lang::Format("Missing LIDS chunk before TXGP chunk in file {0}", path));
            if (groupNumber++ == index) {
                fill(body.data(), *identifiers);
                return false;
            }
        }
        return true;
    });
    return group;
}

} // namespace

TextGroupSet::TextGroupSet(std::string path) : m_path(std::move(path)) {}

TextGroupSet::~TextGroupSet() = default;

void TextGroupSet::readLanguages() {
    const ContainerFile file = ContainerFile::openBundle(m_path);
    if (!file.isContainer()) {
        ChunkReader reader = file.readWhole();
        m_languages = readOldLanguages(reader.data());
        return;
    }
    walkTextSubChunks(file, [&](std::uint32_t id, ChunkReader& body) {
        if (id == kLanguageDataChunk)
            m_languages = readStrings(body.data(), body.data().readShort());
        return true;
    });
}

void TextGroupSet::load(const std::string& language) {
    // A file that ends before a language's strings leaves what was loaded for it as it was.
    const auto store = [this](const std::string& code, lang::Ref<TextGroup> group) {
        if (group)
            m_groups[code] = std::move(group);
    };
    // Each language by its position, so that a file listing a language called "ALL" cannot
    // make this call itself.
    if (language == kAllLanguages) {
        for (std::size_t index = 0; index < m_languages.size(); ++index)
            store(m_languages[index], readGroup(m_path, static_cast<int>(index)));
        return;
    }
    const auto position = std::find(m_languages.begin(), m_languages.end(), language);
    if (position == m_languages.end())
        throw lang::Exception(lang::Format(
            "Trying to load TextGroup for language not present in data file. Language: \"{0}\"", language));
    store(language, readGroup(m_path, static_cast<int>(position - m_languages.begin())));
}

void TextGroupSet::release(const std::string& language) {
    if (language == kAllLanguages) {
        m_groups.clear();
        return;
    }
    if (std::find(m_languages.begin(), m_languages.end(), language) == m_languages.end())
        throw lang::Exception(lang::Format(
            "Trying to release TextGroup for language not present in data file. Language: \"{0}\"", language));
    m_groups.erase(language);
}

TextGroup& TextGroupSet::group(const std::string& language) {
    const auto loaded = m_groups.find(language);
    if (loaded != m_groups.end())
        return *loaded->second;
    if (std::find(m_languages.begin(), m_languages.end(), language) != m_languages.end())
        throw lang::Exception(
            lang::Format("Trying to get TextGroup for language which is not loaded. Language: \"{0}\"", language));
    throw lang::Exception(
        lang::Format("Trying to get TextGroup for language not present in data file. Language: \"{0}\"", language));
}

} // namespace game
