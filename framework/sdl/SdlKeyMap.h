#pragma once

#include <SDL_keyboard.h>

namespace framework::sdl {

/// The Windows virtual-key number the engine's key table uses for an SDL key: letters by the
/// layout's key code (as Windows maps them), every other key by its position; 0 for keys the
/// table has no use for.
int virtualKey(const SDL_Keysym& key);

} // namespace framework::sdl
