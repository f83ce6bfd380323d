#include "DeviceInfo.h"

#include <sys/utsname.h>

namespace pf {
namespace {

constexpr const char* kUnknown = "Unknown";

} // namespace

DeviceInfo DeviceInfo::current() {
    DeviceInfo info{kUnknown, kUnknown, kUnknown, kUnknown};
    utsname system{};
    if (uname(&system) == 0) {
        info.osName = system.sysname;
        info.osVersion = system.release;
    }
    return info;
}

} // namespace pf
