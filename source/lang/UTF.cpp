#include "lang/UTF.h"

#include "lang/UTFConverter.h"

#include <cstring>

namespace lang {

namespace {

// Decodes `size` bytes in one encoding and re-encodes them in another. What cannot be decoded
// is skipped one input unit at a time; what cannot be encoded is skipped.
std::string transcode(const void* data, std::size_t size, int unitSize, int fromEncoding, int toEncoding) {
    const UTFConverter from(fromEncoding);
    const UTFConverter to(toEncoding);
    const auto* in = static_cast<const std::uint8_t*>(data);
    const std::uint8_t* const end = in + size;
    std::string out;
    out.reserve(size);
    std::uint8_t encoded[4];
    while (in < end) {
        int consumed = 0;
        std::uint32_t codePoint = 0;
        if (!from.decode(in, end, consumed, codePoint)) {
            in += unitSize;
            continue;
        }
        in += consumed;
        int written = 0;
        if (to.encode(encoded, encoded + sizeof encoded, written, codePoint))
            out.append(reinterpret_cast<const char*>(encoded), static_cast<std::size_t>(written));
    }
    return out;
}

// Reinterprets transcoded bytes (in machine order) as units of a wider type.
template <class Units> Units toUnits(const std::string& bytes) {
    Units units(bytes.size() / sizeof(typename Units::value_type), 0);
    // An empty vector may have no storage at all, and memcpy takes no null pointer even for 0 bytes.
    if (!units.empty())
        std::memcpy(units.data(), bytes.data(), units.size() * sizeof(typename Units::value_type));
    return units;
}

} // namespace

std::u16string utf8ToUtf16(std::string_view text) {
    return toUnits<std::u16string>(transcode(text.data(), text.size(), 1, UTFConverter::UTF8, UTFConverter::UTF16));
}

std::string utf16ToUtf8(std::u16string_view text) {
    return transcode(text.data(), text.size() * sizeof(char16_t), 2, UTFConverter::UTF16, UTFConverter::UTF8);
}

std::vector<std::uint32_t> utf8ToCodePoints(std::string_view text) {
    return toUnits<std::vector<std::uint32_t>>(
        transcode(text.data(), text.size(), 1, UTFConverter::UTF8, UTFConverter::UTF32));
}

std::string codePointsToUtf8(const std::vector<std::uint32_t>& codePoints) {
    return transcode(codePoints.data(), codePoints.size() * sizeof(std::uint32_t), 4, UTFConverter::UTF32,
                     UTFConverter::UTF8);
}

} // namespace lang
