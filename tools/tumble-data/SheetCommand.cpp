#include "SheetCommand.h"

#include "TextLines.h"
#include "TextureAtlas.h"

#include "game/Container.h"
#include "game/ContainerWriter.h"
#include "lang/Exception.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <system_error>
#include <vector>

namespace datatool {

namespace fs = std::filesystem;

namespace {

constexpr std::int16_t kSheetVersion = 1;
constexpr int kMaxSprites = 32767;

struct Pivot {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

/// The pictures to pack; `texture`, the sheet's own texture when it is written into the same
/// folder, is no picture of it (a second run would otherwise pack the first one's texture).
std::vector<fs::path> pngFilesIn(const fs::path& folder, const fs::path& texture) {
    if (!fs::is_directory(folder))
        throw lang::Exception(lang::Format("{0} is not a folder", folder.string()));
    std::vector<fs::path> files;
    std::error_code missing;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".png" &&
            !fs::equivalent(entry.path(), texture, missing))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    if (files.empty())
        throw lang::Exception(lang::Format("{0} holds no PNG images", folder.string()));
    if (files.size() > kMaxSprites)
        throw lang::Exception(lang::Format("{0} holds {1} images; a sheet holds at most 32767", folder.string(),
                                           std::to_string(files.size())));
    return files;
}

/// The pivots file's entries by sprite name; every name must be one of `names`.
std::map<std::string, Pivot> readPivots(const fs::path& path, const std::vector<std::string>& names) {
    std::map<std::string, Pivot> pivots;
    if (!fs::exists(path))
        return pivots;
    for (const TextLine& line : readTextLines(path)) {
        const std::vector<std::string> words = splitWords(line.text);
        if (words.size() != 3)
            failAt(path, line.number, "expected NAME X Y, not \"" + line.text + "\"");
        if (std::find(names.begin(), names.end(), words[0]) == names.end())
            failAt(path, line.number, "there is no image " + words[0] + ".png");
        const Pivot pivot{parseShort(path, line.number, "X", words[1]), parseShort(path, line.number, "Y", words[2])};
        if (!pivots.emplace(words[0], pivot).second)
            failAt(path, line.number, "the pivot of " + words[0] + " is given twice");
    }
    return pivots;
}

} // namespace

std::string buildSpriteSheet(const fs::path& folder, const fs::path& output, const SheetOptions& options) {
    const std::vector<fs::path> files = pngFilesIn(folder, output.parent_path() / textureNameFor(output));
    std::vector<std::string> names;
    std::vector<RgbaImage> images;
    for (const fs::path& file : files) {
        names.push_back(file.stem().string());
        images.push_back(RgbaImage::load(file));
    }
    const std::map<std::string, Pivot> pivots = readPivots(folder / "pivots.txt", names);
    const TextureAtlas atlas = packPictures(images, options.padding, options.maxSize, "sprites of " + folder.string());

    game::ContainerWriter writer;
    writer.beginChunk(game::kSpriteChunk);
    writer.writeShort(kSheetVersion);
    writer.writeString(textureNameFor(output));
    writer.writeShort(static_cast<std::int16_t>(names.size()));
    for (std::size_t index = 0; index < names.size(); ++index) {
        const RgbaImage& image = images[index];
        const auto found = pivots.find(names[index]);
        const Pivot pivot = found != pivots.end() ? found->second
                                                  : Pivot{static_cast<std::int16_t>(image.width() / 2),
                                                          static_cast<std::int16_t>(image.height() / 2)};
        writer.writeString(names[index]);
        writer.writeShort(static_cast<std::int16_t>(atlas.layout.positions[index].x));
        writer.writeShort(static_cast<std::int16_t>(atlas.layout.positions[index].y));
        writer.writeShort(static_cast<std::int16_t>(image.width()));
        writer.writeShort(static_cast<std::int16_t>(image.height()));
        writer.writeShort(pivot.x);
        writer.writeShort(pivot.y);
    }
    writer.endChunk();
    writeWithTexture(output, writer.finish(), atlas.texture);
    return lang::Format("{0}: {1} sprites in {2} x {3}", output.filename().string(), std::to_string(names.size()),
                        std::to_string(atlas.layout.width), std::to_string(atlas.layout.height))
        .toString();
}

const Command kSheetCommand{
    "sheet",
    "FOLDER OUT.dat [--padding N] [--max-size N]",
    "Pack the PNG images of a folder into a sprite sheet.",
    "Every *.png directly in FOLDER becomes a sprite named by its file name without extension.\n"
    "FOLDER/pivots.txt, when present, gives pivots as lines \"NAME X Y\" (pixels from the image's\n"
    "top-left; blank lines and lines starting with # are ignored); the default pivot is the\n"
    "image's centre, rounded down. The images are packed into the smallest power-of-two square or\n"
    "2:1 texture that holds them. Writes OUT.dat and its texture beside it (OUT.png).\n"
    "\n"
    "  --padding N   pixels between images and from the edges (default 2)\n"
    "  --max-size N  largest texture side in pixels (default 4096, at most 16384)\n",
    2,
    2,
    {"--padding", "--max-size"},
    [](const Arguments& arguments) {
        SheetOptions options;
        options.padding = arguments.integer("--padding", options.padding, 0, 1024);
        options.maxSize = arguments.integer("--max-size", options.maxSize, 1, 16384);
        std::printf("%s\n", buildSpriteSheet(arguments.positional(0), arguments.positional(1), options).c_str());
    },
};

} // namespace datatool
