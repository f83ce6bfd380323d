#pragma once

#include "Sound.h"

#include <string>
#include <vector>

namespace sound {

/// A finished sound of the game: its name (the file's base name, and the clip name the game's
/// script gives it) and whether it is made to repeat without a seam.
struct NamedSound {
    std::string name;
    Sound sound;
    bool loops;
};

/// The game's sound effects, all mono: the slingshot's launch, the impacts on wood, stone and ice,
/// a block breaking, a target popping, the jingle of a won level, the rolling loop, the whoosh of a
/// portal and a splash into water.
std::vector<NamedSound> effectSounds();

/// The background music: a stereo loop of eight bars with melody, bass and drums.
NamedSound music();

} // namespace sound
