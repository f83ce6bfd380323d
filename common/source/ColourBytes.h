#pragma once

#include <cstdint>

/// A colour component given as 0..255, clamped to that range and truncated; NaN counts as 0.
std::uint32_t byteComponent(float component);
/// A colour component given as 0..1, as a byte (times 255, truncated); out-of-range values are
/// clamped and NaN counts as 0.
std::uint32_t unitComponent(float component);
/// The 0xAARRGGBB colour of four bytes.
constexpr std::uint32_t packArgb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (alpha & 0xFF) << 24 | (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}
