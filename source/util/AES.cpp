#include "util/AES.h"

#include "lang/Exception.h"

#include <openssl/evp.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

namespace util {

namespace {

const unsigned char kZeroIv[AES::BLOCK_SIZE] = {};

// EVP takes int lengths; a buffer beyond that is ciphered in pieces of whole blocks, which the
// context chains as if it were one call.
constexpr size_t kMaxPiece = (INT_MAX / AES::BLOCK_SIZE) * AES::BLOCK_SIZE;

void check(int result, const char* call) {
    if (result != 1)
        throw lang::Exception(lang::Format("AES cipher failed in {0}", call));
}

void checkKeySize(size_t actual, int keyLengthBits) {
    switch (keyLengthBits) {
    case AES::KEY_LENGTH_FROM_KEY:
        if (actual != 16 && actual != 24 && actual != 32)
            throw lang::Exception(lang::Format("Key length ({0}) is not either 16, 24 or 32 octets", actual));
        return;
    case AES::KEY_LENGTH_128:
    case AES::KEY_LENGTH_192:
    case AES::KEY_LENGTH_256: {
        const size_t expected = 8 + 8 * static_cast<size_t>(keyLengthBits);
        if (actual != expected)
            throw lang::Exception(lang::Format("Invalid key length for derypter: {0}, expected: {1}", actual, expected));
        return;
    }
    default:
        throw lang::Exception(lang::Format("Unexpected KeyLengthBits value"));
    }
}

const EVP_CIPHER* cbcCipher(size_t keySize) {
    switch (keySize) {
    case 16:
        return EVP_aes_128_cbc();
    case 24:
        return EVP_aes_192_cbc();
    default:
        return EVP_aes_256_cbc();
    }
}

struct ContextDeleter {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_CIPHER_CTX, ContextDeleter>;

} // namespace

/// The key, the padding mode and one cipher context per direction. A context keeps its
/// expanded key schedule; each call only resets its chaining vector.
class AES::Impl : public lang::Object {
public:
    Impl(std::span<const std::uint8_t> key, int padMode)
        : m_key(key.begin(), key.end()), m_padMode(padMode), m_encrypt(newContext(1)), m_decrypt(newContext(0)) {}

    int padMode() const { return m_padMode; }

    /// CBC from the zero vector over whole blocks; `out` may equal `in`.
    void encipher(const std::uint8_t* in, std::uint8_t* out, size_t size) { run(m_encrypt.get(), in, out, size); }
    void decipher(const std::uint8_t* in, std::uint8_t* out, size_t size) { run(m_decrypt.get(), in, out, size); }

private:
    Context newContext(int encrypt) const {
        Context context(EVP_CIPHER_CTX_new());
        check(context ? 1 : 0, "EVP_CIPHER_CTX_new");
        check(EVP_CipherInit_ex(context.get(), cbcCipher(m_key.size()), nullptr, m_key.data(), kZeroIv, encrypt),
              "EVP_CipherInit_ex");
        check(EVP_CIPHER_CTX_set_padding(context.get(), 0), "EVP_CIPHER_CTX_set_padding");
        return context;
    }

    static void run(EVP_CIPHER_CTX* context, const std::uint8_t* in, std::uint8_t* out, size_t size) {
        check(EVP_CipherInit_ex(context, nullptr, nullptr, nullptr, kZeroIv, -1), "EVP_CipherInit_ex");
        while (size > 0) {
            const int piece = static_cast<int>(std::min(size, kMaxPiece));
            int written = 0;
            check(EVP_CipherUpdate(context, out, &written, in, piece), "EVP_CipherUpdate");
            check(written == piece ? 1 : 0, "EVP_CipherUpdate");
            in += piece;
            out += piece;
            size -= static_cast<size_t>(piece);
        }
    }

    std::vector<std::uint8_t> m_key;
    int m_padMode;
    Context m_encrypt;
    Context m_decrypt;
};

AES::AES(std::span<const std::uint8_t> key, int keyLengthBits, int padMode) {
    checkKeySize(key.size(), keyLengthBits);
    if (padMode != PAD_MODE_PKCS7 && padMode != PAD_MODE_RANDOM && padMode != PAD_MODE_NOPAD)
        throw lang::Exception(lang::Format("Unexpected PadMode value"));
    m_impl = new Impl(key, padMode);
}

AES::~AES() = default;
AES::AES(const AES&) = default;
AES& AES::operator=(const AES&) = default;

void AES::encrypt(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output) const {
    const size_t remainder = input.size() % BLOCK_SIZE;
    size_t padding = 0;
    if (m_impl->padMode() == PAD_MODE_NOPAD) {
        if (remainder != 0)
            throw lang::Exception(
                lang::Format("Encryption with PadMode = PAD_MODE_NOPAD requires input size to be multiple of BLOCK_SIZE"));
    } else {
        padding = BLOCK_SIZE - remainder;
    }
    // A fresh buffer, so that `output` may be the vector that `input` views.
    std::vector<std::uint8_t> result(input.size() + padding);
    std::copy(input.begin(), input.end(), result.begin());
    if (padding > 0) {
        const auto padStart = result.begin() + static_cast<std::ptrdiff_t>(input.size());
        if (m_impl->padMode() == PAD_MODE_RANDOM)
            std::generate(padStart, result.end() - 1, [] { return static_cast<std::uint8_t>(std::rand() % 255); });
        else
            std::fill(padStart, result.end() - 1, static_cast<std::uint8_t>(padding));
        result.back() = static_cast<std::uint8_t>(padding);
    }
    m_impl->encipher(result.data(), result.data(), result.size());
    output = std::move(result);
}

bool AES::decrypt(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output) const {
    const bool padded = m_impl->padMode() != PAD_MODE_NOPAD;
    if (input.size() % BLOCK_SIZE != 0 || (padded && input.empty()))
        return false;
    std::vector<std::uint8_t> result(input.size());
    m_impl->decipher(input.data(), result.data(), input.size());
    if (padded) {
        // Only the count byte can be checked: random padding leaves the other bytes arbitrary.
        // A count of 0 never comes from either padding mode, so it marks a wrong key or damage.
        const size_t count = result.back();
        if (count == 0 || count > BLOCK_SIZE)
            return false;
        result.resize(result.size() - count);
    }
    output = std::move(result);
    return true;
}

} // namespace util
