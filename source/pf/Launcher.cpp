#include "Launcher.h"

#include "ChildProcess.h"

namespace pf {

bool Launcher::open(const std::string& address) {
    // The opener hands the address on and may run for as long as the program it starts.
    ChildProcess opener("xdg-open", {address}, true);
    return true;
}

bool Launcher::canOpen(const std::string&) const { return false; }

} // namespace pf
