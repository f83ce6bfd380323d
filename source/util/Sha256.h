#pragma once

#include <string>

namespace util {

/// The SHA-256 digest of `text` as 64 lower-case hex digits.
std::string sha256Hex(const std::string& text);

} // namespace util
