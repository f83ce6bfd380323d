#include "SoundFolder.h"

#include "Sounds.h"
#include "WavFile.h"

#include <utility>

namespace sound {

std::vector<NamedSound> effectSounds() {
    std::vector<NamedSound> sounds;
    for (auto* group : {objectSounds, birdSounds, jingleSounds})
        for (NamedSound& named : group())
            sounds.push_back(std::move(named));
    return sounds;
}

std::vector<std::string> writeSoundFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    // A sound renamed or dropped must not linger beside the others.
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".wav")
            std::filesystem::remove(entry.path());
    std::vector<NamedSound> sounds = effectSounds();
    sounds.push_back(music());
    sounds.push_back(menuMusic());
    std::vector<std::string> names;
    for (const NamedSound& named : sounds) {
        writeWav(named.sound, folder / (named.name + ".wav"));
        names.push_back(named.name);
    }
    return names;
}

} // namespace sound
