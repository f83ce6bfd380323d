#pragma once

#include <string>

/// The machine identifier the scripts receive ("uniqueDeviceId", "getDeviceIDHash"): the
/// SHA-256 of the system's machine id (/etc/machine-id), or of the host name when there is
/// none, as 64 lower-case hex digits. The same on every run on one machine; the raw machine id
/// is never shown.
std::string machineIdentifier();
