#include "framework/KeyCodes.h"
#include "framework/sdl/SdlKeyMap.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using framework::keyCodeForVirtualKey;
using framework::keyName;

TEST(KeyCodesTest, EveryCodeHasItsOwnName) {
    std::set<std::string> names;
    for (int code = 0; code < framework::kKeyCodeCount; ++code) {
        ASSERT_NE(keyName(code), nullptr) << code;
        names.insert(keyName(code));
    }
    EXPECT_EQ(names.size(), 91u);
    EXPECT_EQ(keyName(-1), nullptr);
    EXPECT_EQ(keyName(91), nullptr);
}

TEST(KeyCodesTest, NamesAtTheEdgesOfEachGroup) {
    const std::pair<int, const char*> names[] = {
        {0, "NONE"},     {1, "A"},         {26, "Z"},        {27, "PAGEDOWN"}, {40, "ESCAPE"},    {41, "F1"},
        {52, "F12"},     {53, "LEFT"},     {56, "DOWN"},     {57, "LBUTTON"},  {59, "RBUTTON"},   {60, "0"},
        {69, "9"},       {70, "MULTIPLY"}, {73, "DIVIDE"},   {74, "LEFTSOFT"}, {82, "VOLUME_UP"}, {87, "KEY_MENU"},
        {88, "KEY_ALT"}, {89, "DASH"},     {90, "KEY_ZOOM"},
    };
    for (const auto& [code, name] : names)
        EXPECT_STREQ(keyName(code), name) << code;
}

TEST(KeyCodesTest, VirtualKeysToCodes) {
    const std::pair<int, int> mapping[] = {
        {65, 1},
        {90, 26},
        {34, 27},
        {33, 28},
        {13, 33},
        {16, 34},
        {17, 35},
        {27, 40},
        {112, 41},
        {123, 52},
        {37, 53},
        {40, 56},
        {96, 60},
        {105, 69},
        {106, 70},
        {107, 71},
        {109, 72},
        {111, 73},
        {18, 88},
        {189, 89},
        // The digit row shares the keypad's codes.
        {48, 60},
        {49, 61},
        {57, 69},
        // Keys the table lacks, and the "no key" entries, never give a code.
        {0, 0},
        {20, 0},
        {110, 0},
        {124, 0},
        {255, 0},
    };
    for (const auto& [virtualKey, code] : mapping)
        EXPECT_EQ(keyCodeForVirtualKey(virtualKey), code) << virtualKey;
}

SDL_Keysym key(SDL_Scancode scancode, SDL_Keycode sym) {
    SDL_Keysym keysym{};
    keysym.scancode = scancode;
    keysym.sym = sym;
    return keysym;
}

TEST(SdlKeyMapTest, SdlKeysToVirtualKeys) {
    using framework::sdl::virtualKey;
    // Letters follow the layout: the AZERTY key in the US "Q" place types "a".
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_Q, SDLK_a)), 'A');
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_Z, SDLK_z)), 'Z');
    // A layout without Latin letters keeps the key's Latin letter.
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_F, 0x430)), 'F');
    // Other keys go by place, whatever they type: the AZERTY "1" key types "&".
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_1, SDLK_AMPERSAND)), 49);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_KP_7, SDLK_KP_7)), 103);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER)), 13);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_RALT, SDLK_RALT)), 18);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_RCTRL, SDLK_RCTRL)), 17);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_MINUS, SDLK_MINUS)), 189);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_F12, SDLK_F12)), 123);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_F13, SDLK_F13)), 0);
    EXPECT_EQ(virtualKey(key(SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK)), 0);
}

TEST(SdlKeyMapTest, EveryKeyTheEngineNamesIsReachable) {
    // Every key of a US keyboard, letters typing their lower-case letter.
    std::set<int> reached;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const bool letter = scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z;
        const SDL_Keycode sym = letter ? SDLK_a + (scancode - SDL_SCANCODE_A) : SDLK_UNKNOWN;
        reached.insert(keyCodeForVirtualKey(framework::sdl::virtualKey(key(static_cast<SDL_Scancode>(scancode), sym))));
    }
    for (int code = 1; code < framework::kKeyCodeCount; ++code) {
        const bool fromKeyboard = (code < 57 || code > 59) && (code < 74 || code > 87) && code != 90;
        EXPECT_EQ(reached.count(code), fromKeyboard ? 1u : 0u) << keyName(code);
    }
}

TEST(KeyCodesTest, NamedConstantsMatchTheKeyTable) {
    const std::pair<int, const char*> named[] = {
        {framework::kKeyLButton, "LBUTTON"},        {framework::kKeyShift, "SHIFT"},
        {framework::kKeyControl, "CONTROL"},        {framework::kKeyAdd, "ADD"},
        {framework::kKeySubtract, "SUBTRACT"},      {framework::kKeyVolumeUp, "VOLUME_UP"},
        {framework::kKeyVolumeDown, "VOLUME_DOWN"}, {framework::kKeyAlt, "KEY_ALT"}};
    for (const auto& [code, name] : named)
        EXPECT_STREQ(keyName(code), name) << code;
}

} // namespace
