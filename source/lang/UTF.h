#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Whole-string conversions between UTF-8 byte strings, UTF-16 strings (for operating-system
/// calls) and code points (for text drawing). Input that cannot be decoded is dropped silently,
/// one input unit (a byte of UTF-8, a 16-bit unit of UTF-16) at a time.
namespace lang {

/// UTF-8 bytes to UTF-16 units.
std::u16string utf8ToUtf16(std::string_view text);
/// UTF-16 units to UTF-8 bytes.
std::string utf16ToUtf8(std::u16string_view text);
/// UTF-8 bytes to code points.
std::vector<std::uint32_t> utf8ToCodePoints(std::string_view text);
/// Code points to UTF-8 bytes; code points of 0x200000 and above are dropped.
std::string codePointsToUtf8(const std::vector<std::uint32_t>& codePoints);

} // namespace lang
