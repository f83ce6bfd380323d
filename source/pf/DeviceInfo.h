#pragma once

#include <string>

namespace pf {

/// What the game may tell about the machine it runs on.
struct DeviceInfo {
    /// The operating system's name as the kernel gives it ("Linux").
    std::string osName;
    /// The kernel's release ("6.1.0-18-amd64").
    std::string osVersion;
    /// A desktop does not say what model it is: "Unknown".
    std::string model;
    /// Nor who made it: "Unknown".
    std::string manufacturer;

    /// This machine's, asked of the kernel (`uname`); "Unknown" for what it does not answer.
    static DeviceInfo current();
};

} // namespace pf
