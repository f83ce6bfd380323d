#include "SheetCommand.h"
#include "ToolTestFolder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
using Pixel = std::array<Uint8, 4>;

/// Every picture gets pixels of its own: no two pictures (nor two places in one) look alike.
Pixel pictureColour(int picture, int x, int y) {
    return {static_cast<Uint8>(picture * 17 + 1), static_cast<Uint8>(x), static_cast<Uint8>(y),
            static_cast<Uint8>(255 - (x + y) % 5)};
}

Uint8* pixelAt(const SDL_Surface& surface, int x, int y) {
    return static_cast<Uint8*>(surface.pixels) + y * surface.pitch + x * 4;
}

struct Record {
    std::string name;
    int x, y, width, height, pivotX, pivotY;
};

class SheetCommand : public ToolTestFolder {
protected:
    static void makePicture(const fs::path& folder, int index, int width, int height) {
        Surface surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32), SDL_FreeSurface);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                std::memcpy(pixelAt(*surface, x, y), pictureColour(index, x, y).data(), 4);
        char name[16];
        std::snprintf(name, sizeof name, "s%02d.png", index);
        ASSERT_EQ(IMG_SavePNG(surface.get(), (folder / name).string().c_str()), 0);
    }

    /// The sprite records of the sheet at `path`, after checking its header fields.
    static std::vector<Record> readSheet(const fs::path& path) {
        const game::ContainerFile file = openContainer(path);
        EXPECT_EQ(file.chunks().size(), 1u);
        game::ChunkReader reader = file.read(file.chunks().at(0));
        EXPECT_EQ(file.chunks()[0].id, game::kSpriteChunk);
        EXPECT_EQ(reader.data().readShort(), 1);
        EXPECT_EQ(reader.data().readUTF(), "sprites.png");
        std::vector<Record> records(reader.data().readShort());
        for (Record& record : records) {
            record.name = reader.data().readUTF();
            for (int* field : {&record.x, &record.y, &record.width, &record.height, &record.pivotX, &record.pivotY})
                *field = reader.data().readShort();
        }
        EXPECT_EQ(reader.remaining(), 0);
        return records;
    }

    static Surface loadRgba(const fs::path& path) {
        Surface loaded(IMG_Load(path.string().c_str()), SDL_FreeSurface);
        EXPECT_TRUE(loaded) << path;
        return Surface(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
    }
};

TEST_F(SheetCommand, EverySpriteHoldsExactlyItsPictureApartFromTheOthers) {
    struct Case {
        int padding;
        std::vector<std::pair<int, int>> sizes;
        std::string pivots;
        std::map<std::string, std::pair<int, int>> pivotsGiven;
        int atlasWidth, atlasHeight; // 0: not fixed by the sizes
    };
    const Case cases[] = {
        {2,
         {{40, 30}, {7, 9}, {64, 3}, {3, 64}, {25, 25}, {1, 1}, {33, 17}, {12, 40}, {50, 8}, {9, 9}, {20, 21}, {5, 31}},
         "# pivots\n\ns01 -3 100\n  s04 0 0\r\n",
         {{"s01", {-3, 100}}, {"s04", {0, 0}}},
         0,
         0},
        // Sixteen 16 x 16 squares fill 64 x 64 only when the packer wastes nothing.
        {0, std::vector<std::pair<int, int>>(16, {16, 16}), "", {}, 64, 64},
        // 106 x 46 with the padding: 128 x 64 is the smallest, a 2:1 texture rather than 128 x 128.
        {3, {{100, 40}}, "", {}, 128, 64},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE("padding " + std::to_string(test.padding));
        const fs::path folder = m_folder / ("in" + std::to_string(test.padding));
        fs::create_directories(folder);
        for (std::size_t index = 0; index < test.sizes.size(); ++index)
            makePicture(folder, static_cast<int>(index), test.sizes[index].first, test.sizes[index].second);
        if (!test.pivots.empty())
            write(folder.filename() / "pivots.txt", test.pivots);
        // Built twice: the second run must not take the first one's texture for a picture.
        const fs::path output = folder / "sprites.dat";
        datatool::buildSpriteSheet(folder, output, {test.padding, 4096});
        const std::string summary = datatool::buildSpriteSheet(folder, output, {test.padding, 4096});

        const std::vector<Record> records = readSheet(output);
        const Surface atlas = loadRgba(output.parent_path() / "sprites.png");
        ASSERT_EQ(records.size(), test.sizes.size());
        const int width = atlas->w, height = atlas->h;
        EXPECT_EQ(summary, "sprites.dat: " + std::to_string(records.size()) + " sprites in " + std::to_string(width) +
                               " x " + std::to_string(height));
        EXPECT_TRUE(width == height || width == 2 * height || height == 2 * width);
        EXPECT_EQ(width & (width - 1), 0);
        if (test.atlasWidth) {
            EXPECT_EQ(std::make_pair(width, height), std::make_pair(test.atlasWidth, test.atlasHeight));
        }
        for (std::size_t index = 0; index < records.size(); ++index) {
            const Record& sprite = records[index];
            char name[8];
            std::snprintf(name, sizeof name, "s%02d", static_cast<int>(index));
            ASSERT_EQ(sprite.name, name);
            ASSERT_EQ(std::make_pair(sprite.width, sprite.height), test.sizes[index]);
            const auto given = test.pivotsGiven.find(name);
            EXPECT_EQ(std::make_pair(sprite.pivotX, sprite.pivotY),
                      given != test.pivotsGiven.end() ? given->second
                                                      : std::make_pair(sprite.width / 2, sprite.height / 2))
                << name;
            // Inside the texture, the padding away from its edges.
            ASSERT_GE(std::min(sprite.x, sprite.y), test.padding) << name;
            ASSERT_LE(sprite.x + sprite.width + test.padding, width) << name;
            ASSERT_LE(sprite.y + sprite.height + test.padding, height) << name;
            // The picture, and its edge repeated half the padding out, so that filtering at the
            // sprite's edge never blends in the transparent space between sprites.
            const int margin = test.padding / 2;
            for (int y = -margin; y < sprite.height + margin; ++y)
                for (int x = -margin; x < sprite.width + margin; ++x)
                    ASSERT_EQ(std::memcmp(pixelAt(*atlas, sprite.x + x, sprite.y + y),
                                          pictureColour(static_cast<int>(index), std::clamp(x, 0, sprite.width - 1),
                                                        std::clamp(y, 0, sprite.height - 1))
                                              .data(),
                                          4),
                              0)
                        << name << " at " << x << ", " << y;
            for (std::size_t other = 0; other < index; ++other) {
                const Record& b = records[other];
                const bool apart =
                    sprite.x >= b.x + b.width + test.padding || b.x >= sprite.x + sprite.width + test.padding ||
                    sprite.y >= b.y + b.height + test.padding || b.y >= sprite.y + sprite.height + test.padding;
                EXPECT_TRUE(apart) << name << " and " << b.name << " closer than the padding";
            }
        }
    }
}

TEST_F(SheetCommand, BadInputFailsNamingFileAndLineAndKeepsTheOldOutputs) {
    struct Case {
        std::string pivots;
        int maxSize;
        std::string message;
    };
    const Case cases[] = {
        {"s00 1 2\n# gone\nghost 3 4\n", 4096, "pivots.txt:3: there is no image ghost.png"},
        {"\n\ns00 1\n", 4096, "pivots.txt:3: expected NAME X Y"},
        {"s00 1 40000\n", 4096, "pivots.txt:1: Y must be an integer from -32768 to 32767, not \"40000\""},
        {"s00 1 x2\n", 4096, "pivots.txt:1: Y must be an integer"},
        {"s00 1 1\ns00 2 2\n", 4096, "pivots.txt:2: the pivot of s00 is given twice"},
        {"", 32, "do not fit in 32 x 32 with 2 pixels of padding"},
    };
    const fs::path folder = m_folder / "in";
    fs::create_directories(folder);
    makePicture(folder, 0, 40, 10);
    const fs::path output = m_folder / "out" / "sprites.dat";
    write("out/sprites.dat", "old sheet");
    write("out/sprites.png", "old texture");
    for (const Case& test : cases) {
        write("in/pivots.txt", test.pivots);
        const std::string message = failureOf([&] { datatool::buildSpriteSheet(folder, output, {2, test.maxSize}); });
        EXPECT_NE(message.find(test.message), std::string::npos) << message;
        EXPECT_EQ(read(output), "old sheet");
        EXPECT_EQ(read(m_folder / "out" / "sprites.png"), "old texture");
        EXPECT_EQ(std::distance(fs::directory_iterator(output.parent_path()), fs::directory_iterator()), 2);
    }
    fs::remove(folder / "s00.png");
    EXPECT_NE(failureOf([&] { datatool::buildSpriteSheet(folder, output, {}); }).find("holds no PNG images"),
              std::string::npos);
}

} // namespace
