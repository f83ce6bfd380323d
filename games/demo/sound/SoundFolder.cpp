#include "SoundFolder.h"

#include "Sounds.h"
#include "WavFile.h"

namespace sound {

std::vector<std::string> writeSoundFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    // A sound renamed or dropped must not linger beside the others.
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".wav")
            std::filesystem::remove(entry.path());
    std::vector<NamedSound> sounds = effectSounds();
    sounds.push_back(music());
    std::vector<std::string> names;
    for (const NamedSound& named : sounds) {
        writeWav(named.sound, folder / (named.name + ".wav"));
        names.push_back(named.name);
    }
    return names;
}

} // namespace sound
