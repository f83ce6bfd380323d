#pragma once

#include "Command.h"

#include <filesystem>
#include <string>

namespace datatool {

/// How `buildSpriteSheet` packs.
struct SheetOptions {
    /// Pixels between sprites and from the texture's edges.
    int padding = 2;
    /// The largest texture side allowed, pixels.
    int maxSize = 4096;
};

/// Packs every PNG image directly in `folder` (sorted by file name; a sprite is named by its
/// file name without extension) into one texture and writes a container with one sprite sheet
/// chunk to `output` and the texture beside it. Pivots come from `folder/pivots.txt` ("NAME X Y"
/// lines, pixels from the image's top-left) when present, else (width / 2, height / 2) rounded
/// down. Returns the summary line ("sprites.dat: 12 sprites in 512 x 256"). Raises
/// `lang::Exception` naming the file (and line) on bad input; outputs are then left alone.
std::string buildSpriteSheet(const std::filesystem::path& folder, const std::filesystem::path& output,
                             const SheetOptions& options);

/// `tumble-data sheet FOLDER OUT.dat [--padding N] [--max-size N]`.
extern const Command kSheetCommand;

} // namespace datatool
