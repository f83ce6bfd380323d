#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace lang {

/// Decodes and encodes single code points in one text encoding.
class Converter : public Object {
public:
    ~Converter() override;

    /// Decodes one code point from the bytes [begin, end). Sets `consumed` to the bytes used
    /// (also on failure, where it is the number of bytes to skip; 0 for empty input) and returns
    /// whether a code point was decoded.
    virtual bool decode(const std::uint8_t* begin, const std::uint8_t* end, int& consumed,
                        std::uint32_t& codePoint) const = 0;
    /// Encodes `codePoint` into [begin, end). Sets `written` to the bytes written and returns
    /// whether it was encoded; on failure (no room, or not encodable) nothing is written.
    virtual bool encode(std::uint8_t* begin, std::uint8_t* end, int& written, std::uint32_t codePoint) const = 0;
};

} // namespace lang
