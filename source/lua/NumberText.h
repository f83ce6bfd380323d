#pragma once

#include <string>

namespace lua {

/// The shortest "%g" text of `value` (6 to 9 significant digits) that reads back, as Lua's
/// loader and the engine's float conversion read numbers, as the same float: a score of 1234567
/// stays "1234567" where plain "%g" gives "1.23457e+06", and 0.1 stays "0.1".
std::string numberText(float value);

} // namespace lua
