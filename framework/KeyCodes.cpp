#include "framework/KeyCodes.h"

namespace framework {
namespace {

struct KeyEntry {
    const char* name;
    int virtualKey;
};

// clang-format off
constexpr KeyEntry kKeys[kKeyCodeCount] = {
    {"NONE", 0},
    {"A", 65}, {"B", 66}, {"C", 67}, {"D", 68}, {"E", 69}, {"F", 70}, {"G", 71}, {"H", 72}, {"I", 73},
    {"J", 74}, {"K", 75}, {"L", 76}, {"M", 77}, {"N", 78}, {"O", 79}, {"P", 80}, {"Q", 81}, {"R", 82},
    {"S", 83}, {"T", 84}, {"U", 85}, {"V", 86}, {"W", 87}, {"X", 88}, {"Y", 89}, {"Z", 90},
    {"PAGEDOWN", 34}, {"PAGEUP", 33}, {"HOME", 36}, {"END", 35}, {"INSERT", 45}, {"DELETE", 46},
    {"RETURN", 13}, {"SHIFT", 16}, {"CONTROL", 17}, {"TAB", 9}, {"SPACE", 32}, {"BACKSPACE", 8},
    {"PAUSE", 19}, {"ESCAPE", 27},
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115}, {"F5", 116}, {"F6", 117}, {"F7", 118}, {"F8", 119},
    {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123},
    {"LEFT", 37}, {"RIGHT", 39}, {"UP", 38}, {"DOWN", 40},
    // Mouse buttons, reported from button events.
    {"LBUTTON", 0}, {"MBUTTON", 0}, {"RBUTTON", 0},
    // The keypad digits; the digit row maps here too.
    {"0", 96}, {"1", 97}, {"2", 98}, {"3", 99}, {"4", 100}, {"5", 101}, {"6", 102}, {"7", 103}, {"8", 104},
    {"9", 105},
    {"MULTIPLY", 106}, {"ADD", 107}, {"SUBTRACT", 109}, {"DIVIDE", 111},
    // Keys of handheld devices, which a desktop keyboard does not have.
    {"LEFTSOFT", 0}, {"RIGHTSOFT", 0}, {"MIDDLE", 0}, {"ASTERISK", 0}, {"HASH", 0}, {"CLEAR", 0}, {"EDIT", 0},
    {"SEND", 0}, {"VOLUME_UP", 0}, {"VOLUME_DOWN", 0}, {"KEY_GAMING_A", 0}, {"KEY_GAMING_B", 0},
    {"KEY_BACK", 0}, {"KEY_MENU", 0},
    {"KEY_ALT", 18}, {"DASH", 189}, {"KEY_ZOOM", 0},
};
// clang-format on

} // namespace

const char* keyName(int code) { return code >= 0 && code < kKeyCodeCount ? kKeys[code].name : nullptr; }

int keyCodeForVirtualKey(int virtualKey) {
    if (virtualKey >= 49 && virtualKey <= 57)
        return virtualKey + 12;
    if (virtualKey == 48)
        return 60;
    for (int code = 0; code < kKeyCodeCount; ++code) {
        if (kKeys[code].virtualKey == virtualKey)
            return code;
    }
    return kKeyNone;
}

} // namespace framework
