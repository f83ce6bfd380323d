#pragma once

#include <filesystem>

namespace sound {

class Sound;

/// Writes `sound` to `file` as a RIFF/WAVE file of 16-bit PCM at kSampleRate, each sample rounded
/// and held within full scale. Throws std::runtime_error naming the file when it cannot be written.
void writeWav(const Sound& sound, const std::filesystem::path& file);

} // namespace sound
