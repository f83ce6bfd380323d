#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

#include <cstdint>
#include <span>
#include <vector>

namespace util {

/// AES (128-bit blocks) in cipher block chaining mode for the game's data files.
///
/// Every call starts a new chain from an initialisation vector of 16 zero bytes, so equal
/// plaintexts give equal ciphertexts under one key (except for random padding). Copies share
/// one key schedule; an object and its copies must be used by one thread at a time.
class AES {
public:
    /// Block size in bytes.
    static constexpr int BLOCK_SIZE = 16;

    /// Key length selectors for the constructor.
    enum KeyLengthBits {
        KEY_LENGTH_FROM_KEY = 0, ///< 128, 192 or 256 bits, whichever the key's size gives
        KEY_LENGTH_128 = 1,      ///< the key must be 16 bytes
        KEY_LENGTH_192 = 2,      ///< the key must be 24 bytes
        KEY_LENGTH_256 = 3,      ///< the key must be 32 bytes
    };

    /// Padding modes for the constructor.
    enum PadMode {
        PAD_MODE_PKCS7 = 0,  ///< p = 1 to 16 bytes of value p
        PAD_MODE_RANDOM = 1, ///< p - 1 random bytes (0 to 254), then one byte of value p
        PAD_MODE_NOPAD = 2,  ///< none: plaintext and ciphertext lengths are multiples of 16
    };

    /// Expands the key schedules. Throws `lang::Exception` when the key's size does not fit the
    /// selector, or when the selector or the padding mode is not one of the values above.
    AES(std::span<const std::uint8_t> key, int keyLengthBits, int padMode);
    ~AES();
    AES(const AES&);
    AES& operator=(const AES&);

    /// Pads `input` and enciphers it into `output` (replaced; it may be `input` itself).
    /// Throws `lang::Exception` for `PAD_MODE_NOPAD` when the input is not a whole number of
    /// blocks.
    void encrypt(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output) const;

    /// Deciphers `input` into `output` (replaced; it may be `input` itself) and removes the
    /// padding. Returns false, leaving `output` unchanged, when the input is not a whole number
    /// of blocks (or is empty, for the padded modes) or its padding count is not 1 to 16.
    bool decrypt(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output) const;

private:
    class Impl;
    lang::Ref<Impl> m_impl;
};

} // namespace util
