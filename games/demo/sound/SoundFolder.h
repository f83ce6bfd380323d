#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sound {

/// Makes every sound of the demo and writes each into `folder` (created if missing) as NAME.wav,
/// the two pieces of music included; WAV files of names no longer made are removed. Returns the names written,
/// effects first. Throws std::runtime_error naming a file that cannot be written.
std::vector<std::string> writeSoundFolder(const std::filesystem::path& folder);

} // namespace sound
