#pragma once

#include <cstdint>
#include <span>

namespace util {

/// The key of the files that ship with a game: scripts, level files and the game-logic archive.
/// The engine and `tumble-data` share it, so a game packed with the tool runs in the engine.
std::span<const std::uint8_t> dataKey();

/// The key of the saved tables the engine writes to the application-data folder.
std::span<const std::uint8_t> saveKey();

} // namespace util
