#include "framework/sdl/CursorTable.h"

#include "lang/Exception.h"
#include "lang/Log.h"

#include <SDL_image.h>

#include <cerrno>

namespace framework::sdl {

CursorTable::CursorTable() {
    m_cursors["EMPTY"] = nullptr;
    m_cursors["DEFAULT"] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
}

CursorTable::~CursorTable() {
    for (const auto& [name, cursor] : m_cursors) {
        if (cursor)
            SDL_FreeCursor(cursor);
    }
}

SDL_Cursor* CursorTable::find(const std::string& name) {
    if (auto found = m_cursors.find(name); found != m_cursors.end())
        return found->second;
    errno = 0;
    SDL_Surface* image = IMG_Load(name.c_str());
    const unsigned code = static_cast<unsigned>(errno);
    SDL_Cursor* cursor = image ? SDL_CreateColorCursor(image, 0, 0) : nullptr;
    SDL_FreeSurface(image);
    if (!cursor) {
        LOG_WARNING("Host", "Cursor %s: %s", name.c_str(), SDL_GetError());
        throw lang::Exception(lang::Format("Setting cursor \"{0}\" failed! Code: {1}", name, code));
    }
    m_cursors[name] = cursor;
    return cursor;
}

} // namespace framework::sdl
