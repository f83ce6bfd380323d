#include "game/TextRange.h"

#include <algorithm>

namespace game {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes of the sequence a lead byte starts (1 for anything that is not a lead byte).
std::size_t sequenceLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

std::string_view utf8ByteRange(std::string_view text, int start, int count) {
    std::size_t begin = std::min<std::size_t>(static_cast<std::size_t>(std::max(start, 0)), text.size());
    std::size_t end = begin + std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), text.size() - begin);
    while (begin < end && isContinuation(static_cast<unsigned char>(text[begin])))
        ++begin;
    // Find the lead byte of the last character that starts inside the range (at most three
    // continuation bytes back) and drop that character if its sequence runs past the end.
    std::size_t lead = end;
    while (lead > begin && end - lead < 3 && isContinuation(static_cast<unsigned char>(text[lead - 1])))
        --lead;
    if (lead > begin && lead - 1 + sequenceLength(static_cast<unsigned char>(text[lead - 1])) > end)
        end = lead - 1;
    return text.substr(begin, end - begin);
}

} // namespace game
