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

/// The game's sound effects, all mono: the objects' sounds, then the birds', then the jingles.
std::vector<NamedSound> effectSounds();

/// The slingshot's launch, the impacts on wood, stone and glass, blocks of each of those breaking,
/// a target popping, the rolling loop, the whoosh of a portal and a splash into water.
std::vector<NamedSound> objectSounds();
/// The birds' abilities: the dash, the split and the blast.
std::vector<NamedSound> birdSounds();
/// The jingles of a level won and lost, a star awarded and a button's click.
std::vector<NamedSound> jingleSounds();

/// The levels' music: a lively stereo loop of eight bars with melody, bass and drums.
NamedSound music();
/// The menus' music: a calm stereo loop of eight bars of pads, bells and a soft bass.
NamedSound menuMusic();

} // namespace sound
