#include "Clipboard.h"

#include <SDL.h>

std::string clipboardText() {
    if (!SDL_HasClipboardText())
        return {};
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}
