#pragma once

#include <string>

namespace pf {

/// A notification the game asks to be shown some time from now.
struct LocalNotification {
    /// The game's own number for it; one notification per id is kept.
    int id = 0;
    /// How long from scheduling until it is due, seconds of running game.
    int seconds = 0;
    /// The message, UTF-8.
    std::string text;
    /// The label of the action that opens the game, UTF-8.
    std::string action;
};

} // namespace pf
