#pragma once

#include <string_view>

namespace game {

/// The bytes of `text` from `start` on, at most `count` of them, clamped to the text (a negative
/// start or count counts as 0) and narrowed to the whole UTF-8 characters inside: a character
/// cut by either end is left out, so no partial sequence reaches a renderer.
std::string_view utf8ByteRange(std::string_view text, int start, int count);

} // namespace game
