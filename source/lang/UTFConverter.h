#pragma once

#include "lang/Converter.h"

namespace lang {

/// `Converter` for the Unicode encodings (and ASCII).
///
/// Decoding is strict about structure so that a broken sequence never swallows the valid text
/// after it: UTF-8 continuation bytes must be 10xxxxxx and overlong forms are rejected; a UTF-16
/// high surrogate must be followed by a low one. Lone surrogates in UTF-8 (ED A0 80..ED BF BF)
/// and lone low surrogates in UTF-16 decode as themselves.
class UTFConverter : public Converter {
public:
    enum Encoding {
        ASCII = 1,   ///< one byte per code point, below 128 when encoding
        UTF8 = 2,    ///< up to 4 bytes, code points below 0x200000
        UTF16 = 3,   ///< machine order; stored as UTF16BE or UTF16LE
        UTF16BE = 4, ///< code points above 0x10FFFF cannot be encoded
        UTF16LE = 5,
        UTF32 = 6, ///< machine order; stored as UTF32BE or UTF32LE
        UTF32BE = 7,
        UTF32LE = 8,
    };

    /// Any code outside 1..8 makes every decode and encode fail.
    explicit UTFConverter(int encoding);
    ~UTFConverter() override;

    /// The encoding code, with the machine-order codes resolved to their explicit order.
    int encoding() const { return m_encoding; }

    bool decode(const std::uint8_t* begin, const std::uint8_t* end, int& consumed,
                std::uint32_t& codePoint) const override;
    bool encode(std::uint8_t* begin, std::uint8_t* end, int& written, std::uint32_t codePoint) const override;

private:
    int m_encoding;
};

} // namespace lang
