#pragma once

#include <string>

namespace pf {

/// Hands `address` to the desktop's opener (`Launcher::open`). A desktop without an opener is no
/// reason to stop the game: the failure is logged and answered false. Game thread.
bool tryOpen(const std::string& address);

} // namespace pf
