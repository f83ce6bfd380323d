#include "DumpCommand.h"

#include "OutputFiles.h"
#include "TextLines.h"

#include "game/Container.h"
#include "io/ByteArrayInputStream.h"
#include "lang/Exception.h"
#include "lang/UTF.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace datatool {

namespace fs = std::filesystem;

namespace {

using game::ChunkReader;

std::string idName(std::uint32_t id) {
    std::string name;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto character = static_cast<char>(id >> shift);
        if (character < 0x20 || character > 0x7E) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(id));
            return hex;
        }
        name += character;
    }
    return name;
}

/// `text` in double quotes with control characters, quotes, backslashes and (in text that is
/// not UTF-8) bytes above 0x7F escaped, so that every string stays on its line.
std::string quotedText(const std::string& text) {
    const bool utf8 = isValidUtf8(text);
    std::string result = "\"";
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '\n') {
            result += "\\n";
        } else if (character == '\t') {
            result += "\\t";
        } else if (character == '\\' || character == '"') {
            result += '\\';
            result += character;
        } else if (byte < 0x20 || byte == 0x7F || (byte > 0x7F && !utf8)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            result += hex;
        } else {
            result += character;
        }
    }
    return result + "\"";
}

std::string readQuotedText(ChunkReader& reader) { return quotedText(reader.data().readUTF()); }

/// Reads and prints the version; 0 (after a note) when it is outside [first, last], whose
/// records the game does not read either.
int readVersion(ChunkReader& reader, std::ostream& out, int first, int last) {
    const int version = reader.data().readShort();
    out << "  version " << version << "\n";
    if (version >= first && version <= last)
        return version;
    out << "  (a version the game does not read; records not shown)\n";
    return 0;
}

/// The start of sprite sheets and fonts: version 1 and the texture name. False when the
/// version is another.
bool readTexturedStart(ChunkReader& reader, std::ostream& out) {
    if (readVersion(reader, out, 1, 1) == 0)
        return false;
    out << "  texture " << readQuotedText(reader) << "\n";
    return true;
}

/// A count field: "0 or less" means none.
int readCount(ChunkReader& reader) { return std::max<int>(0, reader.data().readShort()); }

bool dumpSprites(ChunkReader& reader, std::ostream& out) {
    if (!readTexturedStart(reader, out))
        return false;
    io::DataInput& data = reader.data();
    const int count = readCount(reader);
    out << "  " << count << " sprites\n";
    for (int index = 0; index < count; ++index) {
        out << "    " << readQuotedText(reader);
        const int x = data.readShort(), y = data.readShort(), width = data.readShort(), height = data.readShort();
        const int pivotX = data.readShort(), pivotY = data.readShort();
        out << " at " << x << ", " << y << " size " << width << " x " << height << " pivot " << pivotX << ", " << pivotY
            << "\n";
    }
    return true;
}

void dumpNamedPairs(ChunkReader& reader, std::ostream& out, const char* kind) {
    const int count = readCount(reader);
    for (int index = 0; index < count; ++index) {
        out << "      " << kind << " " << readQuotedText(reader);
        const int a = reader.data().readShort();
        out << " " << a << " " << reader.data().readShort() << "\n";
    }
}

bool dumpComposites(ChunkReader& reader, std::ostream& out) {
    const int version = readVersion(reader, out, 1, 2);
    if (version == 0)
        return false;
    const int count = readCount(reader);
    out << "  " << count << " composites\n";
    for (int index = 0; index < count; ++index) {
        out << "    composite " << readQuotedText(reader) << "\n";
        dumpNamedPairs(reader, out, "part");
        if (version == 2)
            dumpNamedPairs(reader, out, "extra");
    }
    return true;
}

/// "'A'" for a code point that prints, "" for a control character or a lone surrogate.
std::string character(std::uint32_t codePoint) {
    if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0) || (codePoint >= 0xD800 && codePoint < 0xE000))
        return "";
    return " '" + lang::codePointsToUtf8({codePoint}) + "'";
}

bool dumpFont(ChunkReader& reader, std::ostream& out) {
    if (!readTexturedStart(reader, out))
        return false;
    io::DataInput& data = reader.data();
    const int leading = data.readShort();
    out << "  leading " << leading << ", tracking " << data.readShort() << "\n";
    const int count = readCount(reader);
    out << "  " << count << " glyphs\n";
    for (int index = 0; index < count; ++index) {
        const auto codePoint = static_cast<std::uint16_t>(data.readShort());
        const int x = data.readShort(), y = data.readShort(), width = data.readShort(), height = data.readShort();
        const int baseline = data.readShort();
        out << "    " << codePointName(codePoint) << character(codePoint) << " at " << x << ", " << y << " size "
            << width << " x " << height << " baseline " << baseline << "\n";
    }
    return true;
}

/// A sub-chunk's body as its own reader, after checking it lies inside what remains.
std::vector<std::uint8_t> readBody(ChunkReader& reader, const std::string& file, std::uint32_t id) {
    const auto size = static_cast<std::uint32_t>(reader.data().readInt());
    if (size > static_cast<std::uint32_t>(reader.remaining()))
        throw lang::Exception(lang::Format("{0}: the {1} sub-chunk declares {2} bytes but only {3} remain", file,
                                           idName(id), std::to_string(size), std::to_string(reader.remaining())));
    std::vector<std::uint8_t> body(size);
    reader.data().readFully(body.data(), static_cast<int>(size));
    return body;
}

std::vector<std::string> readStrings(ChunkReader& reader, int count) {
    std::vector<std::string> strings;
    for (int index = 0; index < count; ++index)
        strings.push_back(reader.data().readUTF());
    return strings;
}

bool dumpText(ChunkReader& reader, std::ostream& out, const std::string& file) {
    if (readVersion(reader, out, 1, 1) == 0)
        return false;
    std::vector<std::string> languages;
    std::vector<std::string> identifiers;
    int groups = 0;
    while (reader.remaining() > 0) {
        const std::uint32_t id = reader.readId();
        const std::vector<std::uint8_t> body = readBody(reader, file, id);
        ChunkReader sub(body.data(), body.size(), file);
        out << "  " << idName(id) << " sub-chunk, " << body.size() << " bytes\n";
        if (id == game::kLanguageDataChunk || id == game::kLanguageIdsChunk) {
            std::vector<std::string>& list = id == game::kLanguageDataChunk ? languages : identifiers;
            list = readStrings(sub, readCount(sub));
            out << "    " << list.size() << (id == game::kLanguageDataChunk ? " languages:" : " identifiers:");
            for (const std::string& text : list)
                out << " " << quotedText(text);
            out << "\n";
        } else if (id == game::kTextGroupChunk) {
            const std::size_t ordinal = static_cast<std::size_t>(groups++);
            out << "    language " << (ordinal < languages.size() ? quotedText(languages[ordinal]) : "(not listed)")
                << "\n";
            for (const std::string& identifier : identifiers)
                out << "      " << quotedText(identifier) << " = " << readQuotedText(sub) << "\n";
        } else {
            continue;
        }
        if (sub.remaining() > 0)
            throw lang::Exception(lang::Format("{0}: {1} bytes follow the records of the {2} sub-chunk", file,
                                               std::to_string(sub.remaining()), idName(id)));
    }
    return true;
}

std::uint32_t readBigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 | static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

} // namespace

void dumpContainer(const fs::path& file, std::ostream& out) {
    const std::string name = file.string();
    const std::vector<std::uint8_t> bytes = readFile(file);
    io::ByteArrayInputStream stream(bytes, name);
    const game::ContainerFile container(stream, name);
    if (!container.isContainer())
        throw lang::Exception(lang::Format("{0} is not a QPF2 container (it does not start with QPF2)", name));
    out << name << ": QPF2 container, payload " << readBigEndian(bytes, 4) << " bytes, " << container.chunks().size()
        << " chunks\n";
    for (const game::Chunk& chunk : container.chunks()) {
        const std::uint32_t declared = readBigEndian(bytes, chunk.offset - 4);
        out << idName(chunk.id) << " chunk, " << declared << " bytes\n";
        if (declared > chunk.size)
            throw lang::Exception(lang::Format("{0}: the {1} chunk declares {2} bytes but only {3} remain", name,
                                               idName(chunk.id), std::to_string(declared), std::to_string(chunk.size)));
        ChunkReader reader = container.read(chunk);
        bool read = false;
        if (chunk.id == game::kSpriteChunk)
            read = dumpSprites(reader, out);
        else if (chunk.id == game::kCompositeChunk)
            read = dumpComposites(reader, out);
        else if (chunk.id == game::kFontChunk)
            read = dumpFont(reader, out);
        else if (chunk.id == game::kTextChunk)
            read = dumpText(reader, out, name);
        if (read && reader.remaining() > 0)
            throw lang::Exception(lang::Format("{0}: {1} bytes follow the records of the {2} chunk", name,
                                               std::to_string(reader.remaining()), idName(chunk.id)));
    }
}

const Command kDumpCommand{
    "dump",
    "FILE",
    "Print a resource container readably.",
    "Prints the header, each chunk's id and size, and the records of sprite sheets (SPRT),\n"
    "composite sprites (COMP), bitmap fonts (FONT) and text tables (TEXT); other chunks by id and\n"
    "size only. Strings are quoted with \\n, \\t, \\\\, \\\" and \\xNN escapes. A file that is not a\n"
    "well-formed container is an error, reported after what could be read.\n",
    1,
    1,
    {},
    [](const Arguments& arguments) { dumpContainer(arguments.positional(0), std::cout); },
};

} // namespace datatool
