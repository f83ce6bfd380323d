#pragma once

#include <SDL_mouse.h>

#include <map>
#include <string>

namespace framework::sdl {

/// Cursors by name: "EMPTY" (no cursor), "DEFAULT" (the system arrow) and cursor image files
/// (any image SDL2_image reads, .cur included; hot spot at the top-left), loaded on first use
/// and kept until the table goes. Needs SDL's video subsystem for its whole life.
class CursorTable {
public:
    CursorTable();
    ~CursorTable();
    CursorTable(const CursorTable&) = delete;
    CursorTable& operator=(const CursorTable&) = delete;

    /// The cursor of `name` (null for "EMPTY"). Throws `lang::Exception`
    /// "Setting cursor \"{0}\" failed! Code: {1}" (name, errno) when a file cannot be used.
    SDL_Cursor* find(const std::string& name);

private:
    std::map<std::string, SDL_Cursor*> m_cursors;
};

} // namespace framework::sdl
