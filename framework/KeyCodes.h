#pragma once

namespace framework {

/// The engine's key codes: keys, mouse buttons and digits share the codes 0 to 90, and the
/// host, the game and the scripts' key tables all use them. Code 0 ("NONE") is never reported.
inline constexpr int kKeyCodeCount = 91;

inline constexpr int kKeyNone = 0;
inline constexpr int kKeyLButton = 57;
inline constexpr int kKeyMButton = 58;
inline constexpr int kKeyRButton = 59;
inline constexpr int kKeyShift = 34;
inline constexpr int kKeyControl = 35;
inline constexpr int kKeyAdd = 71;
inline constexpr int kKeySubtract = 72;
inline constexpr int kKeyVolumeUp = 82;
inline constexpr int kKeyVolumeDown = 83;
inline constexpr int kKeyAlt = 88;

/// Windows virtual-key numbers the host's key table is written in (the SDL layer maps to them).
inline constexpr int kVirtualKeyReturn = 13;
inline constexpr int kVirtualKeyAlt = 18;
inline constexpr int kVirtualKeyF4 = 115;

/// The key name of `code`: "NONE", "A" ... "Z", "LBUTTON", "KEY_ALT", "DASH" ...; null when
/// `code` is outside 0 to 90.
const char* keyName(int code);

/// The engine code of a virtual key: the digit keys 48-57 share the keypad digits' codes 60-69;
/// other keys are looked up in the table from code 0 upwards; an unknown key gives 0.
int keyCodeForVirtualKey(int virtualKey);

} // namespace framework
