#include "TryOpen.h"

#include "Launcher.h"
#include "lang/Exception.h"
#include "lang/Log.h"

namespace pf {

bool tryOpen(const std::string& address) {
    try {
        return Launcher().open(address);
    } catch (const lang::Exception& error) {
        LOG_WARNING("Platform", "%s", error.what());
        return false;
    }
}

} // namespace pf
