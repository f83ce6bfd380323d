#include "CompoCommand.h"

#include "OutputFiles.h"
#include "TextLines.h"

#include "game/Container.h"
#include "game/ContainerWriter.h"
#include "lang/Exception.h"

#include <cstdio>
#include <set>
#include <vector>

namespace datatool {

namespace fs = std::filesystem;

namespace {

constexpr std::int16_t kPlainVersion = 1;
constexpr std::int16_t kVersionWithExtras = 2;
constexpr std::size_t kMaxCount = 32767;

/// A part or an extra record: a name and two numbers.
struct NamedPair {
    std::string name;
    std::int16_t a = 0;
    std::int16_t b = 0;
};

struct Composite {
    std::string name;
    int line = 0;
    std::vector<NamedPair> parts;
    std::vector<NamedPair> extras;
};

NamedPair readNamedPair(const fs::path& path, const TextLine& line, const std::vector<std::string>& words,
                        const char* first, const char* second) {
    return {words[1], parseShort(path, line.number, first, words[2]), parseShort(path, line.number, second, words[3])};
}

std::vector<Composite> readDescription(const fs::path& path) {
    std::vector<Composite> composites;
    std::set<std::string> names;
    for (const TextLine& line : readTextLines(path)) {
        const std::vector<std::string> words = splitWords(line.text);
        const std::string& keyword = words[0];
        const std::size_t expected = keyword == "composite" ? 2 : keyword == "part" || keyword == "extra" ? 4 : 0;
        if (expected == 0)
            failAt(path, line.number, "expected composite, part or extra, not \"" + keyword + "\"");
        if (words.size() != expected)
            failAt(path, line.number,
                   keyword == "composite" ? "expected composite NAME"
                                          : "expected " + keyword + (keyword == "part" ? " SPRITE X Y" : " NAME A B"));
        if (keyword == "composite") {
            if (!names.insert(words[1]).second)
                failAt(path, line.number, "the composite " + words[1] + " is given twice");
            composites.push_back({words[1], line.number, {}, {}});
            continue;
        }
        if (composites.empty())
            failAt(path, line.number, keyword + " before the first composite");
        if (keyword == "part")
            composites.back().parts.push_back(readNamedPair(path, line, words, "X", "Y"));
        else
            composites.back().extras.push_back(readNamedPair(path, line, words, "A", "B"));
    }
    if (composites.empty())
        throw lang::Exception(lang::Format("{0} describes no composite", path.string()));
    for (const Composite& composite : composites)
        if (composite.parts.empty() || composite.parts.size() > kMaxCount || composite.extras.size() > kMaxCount)
            failAt(path, composite.line,
                   "the composite " + composite.name + " needs 1 to 32767 parts and at most 32767 extras");
    if (composites.size() > kMaxCount)
        throw lang::Exception(lang::Format("{0} describes more than 32767 composites", path.string()));
    return composites;
}

void writeNamedPairs(game::ContainerWriter& writer, const std::vector<NamedPair>& records) {
    writer.writeShort(static_cast<std::int16_t>(records.size()));
    for (const NamedPair& record : records) {
        writer.writeString(record.name);
        writer.writeShort(record.a);
        writer.writeShort(record.b);
    }
}

} // namespace

std::string buildComposites(const fs::path& description, const fs::path& output) {
    const std::vector<Composite> composites = readDescription(description);
    bool withExtras = false;
    for (const Composite& composite : composites)
        withExtras = withExtras || !composite.extras.empty();

    game::ContainerWriter writer;
    writer.beginChunk(game::kCompositeChunk);
    writer.writeShort(withExtras ? kVersionWithExtras : kPlainVersion);
    writer.writeShort(static_cast<std::int16_t>(composites.size()));
    for (const Composite& composite : composites) {
        writer.writeString(composite.name);
        writeNamedPairs(writer, composite.parts);
        if (withExtras)
            writeNamedPairs(writer, composite.extras);
    }
    writer.endChunk();
    writeFile(output, writer.finish());
    return lang::Format("{0}: {1} composites", output.filename().string(), std::to_string(composites.size()))
        .toString();
}

const Command kCompoCommand{
    "compo",
    "DESCRIPTION OUT.dat",
    "Convert a description of composite sprites into a composite sprite file.",
    "DESCRIPTION is text, one record a line:\n"
    "  composite NAME      starts a composite sprite\n"
    "  part SPRITE X Y     adds a part: the sprite's pivot at (X, Y) from the composite's origin\n"
    "  extra NAME A B      adds an extra record (kept in the file, not used by the game)\n"
    "Blank lines and lines starting with # are ignored. The file is written in the layout with\n"
    "extra records only when some are given.\n",
    2,
    2,
    {},
    [](const Arguments& arguments) {
        std::printf("%s\n", buildComposites(arguments.positional(0), arguments.positional(1)).c_str());
    },
};

} // namespace datatool
