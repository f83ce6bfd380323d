#pragma once

#include "lang/Object.h"

#include <string>

namespace pf {

/// Hands addresses and documents to the desktop's opener program.
class Launcher : public lang::Object {
public:
    /// Starts the desktop's opener (`xdg-open`) on `address` with an argument vector, so no shell
    /// ever reads the address, and returns without waiting for it. Answers true: whether the
    /// desktop found a program for the address is not known when the opener starts. Raises
    /// `lang::Exception` when the opener cannot be started. Game thread.
    bool open(const std::string& address);
    /// Whether the program of that name could be opened by name. Desktop programs announce no
    /// names, so always false.
    bool canOpen(const std::string& program) const;
};

} // namespace pf
