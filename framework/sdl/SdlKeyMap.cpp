#include "framework/sdl/SdlKeyMap.h"

#include <utility>

namespace framework::sdl {
namespace {

constexpr std::pair<SDL_Scancode, int> kKeys[] = {
    {SDL_SCANCODE_BACKSPACE, 8},   {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_RETURN, 13},     {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_LSHIFT, 16},     {SDL_SCANCODE_RSHIFT, 16},
    {SDL_SCANCODE_LCTRL, 17},      {SDL_SCANCODE_RCTRL, 17},
    {SDL_SCANCODE_LALT, 18},       {SDL_SCANCODE_RALT, 18},
    {SDL_SCANCODE_PAUSE, 19},      {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},      {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},   {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},       {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},         {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},       {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},     {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_1, 49},          {SDL_SCANCODE_2, 50},
    {SDL_SCANCODE_3, 51},          {SDL_SCANCODE_4, 52},
    {SDL_SCANCODE_5, 53},          {SDL_SCANCODE_6, 54},
    {SDL_SCANCODE_7, 55},          {SDL_SCANCODE_8, 56},
    {SDL_SCANCODE_9, 57},          {SDL_SCANCODE_KP_0, 96},
    {SDL_SCANCODE_KP_1, 97},       {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99},       {SDL_SCANCODE_KP_4, 100},
    {SDL_SCANCODE_KP_5, 101},      {SDL_SCANCODE_KP_6, 102},
    {SDL_SCANCODE_KP_7, 103},      {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105},      {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},   {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_DIVIDE, 111}, {SDL_SCANCODE_F1, 112},
    {SDL_SCANCODE_F2, 113},        {SDL_SCANCODE_F3, 114},
    {SDL_SCANCODE_F4, 115},        {SDL_SCANCODE_F5, 116},
    {SDL_SCANCODE_F6, 117},        {SDL_SCANCODE_F7, 118},
    {SDL_SCANCODE_F8, 119},        {SDL_SCANCODE_F9, 120},
    {SDL_SCANCODE_F10, 121},       {SDL_SCANCODE_F11, 122},
    {SDL_SCANCODE_F12, 123},       {SDL_SCANCODE_MINUS, 189},
};

} // namespace

int virtualKey(const SDL_Keysym& key) {
    if (key.sym >= SDLK_a && key.sym <= SDLK_z)
        return 'A' + (key.sym - SDLK_a);
    // Layouts without Latin letters: Windows still names these keys by their Latin letters.
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z && key.sym >= 128)
        return 'A' + (key.scancode - SDL_SCANCODE_A);
    for (const auto& [scancode, virtualKey] : kKeys) {
        if (scancode == key.scancode)
            return virtualKey;
    }
    return 0;
}

} // namespace framework::sdl
