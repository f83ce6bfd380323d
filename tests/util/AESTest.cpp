#include "util/AES.h"

#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using util::AES;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fromHex(const std::string& hex) {
    Bytes bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

Bytes sequence(size_t size, unsigned seed = 1) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 131 + seed);
    return bytes;
}

const Bytes kKey128 = fromHex("2b7e151628aed2a6abf7158809cf4f3c");

// Runs `call` and returns the message of the `lang::Exception` it throws.
template <class Call> std::string exceptionMessage(Call call) {
    try {
        call();
    } catch (const lang::Exception& e) {
        return e.message();
    }
    return "(no exception)";
}

// NIST SP 800-38A, F.2.1, F.2.3 and F.2.5: CBC-AES with the vector 000102...0f. Our chains start
// from the zero vector, and CBC from vector v over P1 P2 ... equals CBC from zero over
// (P1 xor v) P2 ..., so the first plaintext block is given with the vector folded in.
struct CbcVector {
    const char* name;
    const char* key;
    const char* ciphertext;
};

const char* const kNistPlaintext = "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
                                   "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710";

Bytes nistPlaintextFromZeroVector() {
    Bytes plaintext = fromHex(kNistPlaintext);
    for (size_t i = 0; i < 16; ++i)
        plaintext[i] ^= static_cast<std::uint8_t>(i);
    return plaintext;
}

class NistCbc : public testing::TestWithParam<CbcVector> {};

TEST_P(NistCbc, EnciphersAndDeciphersThePublishedVector) {
    const Bytes key = fromHex(GetParam().key);
    const Bytes expected = fromHex(GetParam().ciphertext);
    for (int selector : {static_cast<int>(AES::KEY_LENGTH_FROM_KEY), static_cast<int>(key.size() / 8 - 1)}) {
        const AES aes(key, selector, AES::PAD_MODE_NOPAD);
        Bytes ciphertext;
        aes.encrypt(nistPlaintextFromZeroVector(), ciphertext);
        EXPECT_EQ(ciphertext, expected) << "selector " << selector;
        Bytes plaintext;
        ASSERT_TRUE(aes.decrypt(expected, plaintext));
        EXPECT_EQ(plaintext, nistPlaintextFromZeroVector());
    }
}

INSTANTIATE_TEST_SUITE_P(Sp800_38a, NistCbc,
                         testing::Values(CbcVector{"aes128", "2b7e151628aed2a6abf7158809cf4f3c",
                                                   "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
                                                   "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7"},
                                         CbcVector{"aes192", "8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b",
                                                   "4f021db243bc633d7178183a9fa071e8b4d9ada9ad7dedf4e5e738763f69145a"
                                                   "571b242012fb7ae07fa9baac3df102e008b0e27988598881d920a9e64f5615cd"},
                                         CbcVector{"aes256",
                                                   "603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4",
                                                   "f58c4c04d6e5f1ba779eabfb5f7bfbd69cfc4e967edb808d679f777bc6702c7d"
                                                   "39f23369a9d9bacfa530e26304231461b2eb05e2c39be9fcda6c19078c6a9d1b"}),
                         [](const testing::TestParamInfo<CbcVector>& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    size_t keySize;
    int selector;
    const char* message; // empty when the key is accepted
};

class KeySizes : public testing::TestWithParam<KeyCase> {};

TEST_P(KeySizes, AcceptOrRejectWithTheMessage) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(exceptionMessage([&] { AES(sequence(c.keySize), c.selector, AES::PAD_MODE_PKCS7); }),
              *c.message ? c.message : "(no exception)");
}

INSTANTIATE_TEST_SUITE_P(
    Selectors, KeySizes,
    testing::Values(KeyCase{"auto16", 16, 0, ""}, KeyCase{"auto24", 24, 0, ""}, KeyCase{"auto32", 32, 0, ""},
                    KeyCase{"auto15", 15, 0, "Key length (15) is not either 16, 24 or 32 octets"},
                    KeyCase{"auto0", 0, 0, "Key length (0) is not either 16, 24 or 32 octets"},
                    KeyCase{"auto33", 33, 0, "Key length (33) is not either 16, 24 or 32 octets"},
                    KeyCase{"bits128", 16, 1, ""}, KeyCase{"bits192", 24, 2, ""}, KeyCase{"bits256", 32, 3, ""},
                    KeyCase{"bits128_given32", 32, 1, "Invalid key length for derypter: 32, expected: 16"},
                    KeyCase{"bits192_given16", 16, 2, "Invalid key length for derypter: 16, expected: 24"},
                    KeyCase{"bits256_given24", 24, 3, "Invalid key length for derypter: 24, expected: 32"},
                    KeyCase{"selector4", 16, 4, "Unexpected KeyLengthBits value"},
                    KeyCase{"selector_negative", 16, -1, "Unexpected KeyLengthBits value"}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(AESTest, RejectsAnUnknownPaddingMode) {
    EXPECT_EQ(exceptionMessage([] { AES(kKey128, 0, 3); }), "Unexpected PadMode value");
    EXPECT_EQ(exceptionMessage([] { AES(kKey128, 0, -1); }), "Unexpected PadMode value");
}

// Deciphering without padding shows what the padded modes appended.
Bytes rawPlaintext(const Bytes& ciphertext) {
    Bytes plaintext;
    EXPECT_TRUE(AES(kKey128, 0, AES::PAD_MODE_NOPAD).decrypt(ciphertext, plaintext));
    return plaintext;
}

TEST(AESTest, Pkcs7PadsOneToSixteenBytesAndRoundTrips) {
    const AES aes(kKey128, 0, AES::PAD_MODE_PKCS7);
    for (size_t size = 0; size <= 48; ++size) {
        const Bytes data = sequence(size);
        Bytes ciphertext;
        aes.encrypt(data, ciphertext);
        const size_t padding = 16 - size % 16;
        ASSERT_EQ(ciphertext.size(), size + padding) << size;
        const Bytes raw = rawPlaintext(ciphertext);
        EXPECT_EQ(Bytes(raw.begin() + static_cast<std::ptrdiff_t>(size), raw.end()),
                  Bytes(padding, static_cast<std::uint8_t>(padding)))
            << size;
        Bytes back;
        ASSERT_TRUE(aes.decrypt(ciphertext, back)) << size;
        EXPECT_EQ(back, data) << size;
    }
}

TEST(AESTest, EmptyInputBecomesOneBlockOfSixteens) {
    Bytes ciphertext;
    AES(kKey128, 0, AES::PAD_MODE_PKCS7).encrypt(Bytes(), ciphertext);
    EXPECT_EQ(rawPlaintext(ciphertext), Bytes(16, 16));
    Bytes back{1, 2, 3};
    EXPECT_TRUE(AES(kKey128, 0, AES::PAD_MODE_PKCS7).decrypt(ciphertext, back));
    EXPECT_TRUE(back.empty());
}

TEST(AESTest, RandomPaddingEndsWithItsCountAndDecipherLikePkcs7) {
    const AES random(kKey128, 0, AES::PAD_MODE_RANDOM);
    const AES pkcs7(kKey128, 0, AES::PAD_MODE_PKCS7);
    for (size_t size = 0; size <= 33; ++size) {
        const Bytes data = sequence(size, 7);
        Bytes ciphertext;
        random.encrypt(data, ciphertext);
        const size_t padding = 16 - size % 16;
        ASSERT_EQ(ciphertext.size(), size + padding);
        const Bytes raw = rawPlaintext(ciphertext);
        EXPECT_EQ(raw.back(), padding);
        for (size_t i = size; i + 1 < raw.size(); ++i)
            EXPECT_LE(raw[i], 254) << size;
        Bytes back;
        ASSERT_TRUE(pkcs7.decrypt(ciphertext, back));
        EXPECT_EQ(back, data);
    }
}

TEST(AESTest, FixedVectorMakesPkcs7DeterministicButNotRandomPadding) {
    const Bytes data = sequence(40);
    Bytes first, second;
    AES pkcs7(kKey128, 0, AES::PAD_MODE_PKCS7);
    pkcs7.encrypt(data, first);
    pkcs7.encrypt(data, second);
    EXPECT_EQ(first, second);

    AES random(kKey128, 0, AES::PAD_MODE_RANDOM);
    random.encrypt(data, first);
    random.encrypt(data, second);
    ASSERT_EQ(first.size(), 48u);
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 32, second.begin()));
    EXPECT_NE(Bytes(first.begin() + 32, first.end()), Bytes(second.begin() + 32, second.end()));
}

TEST(AESTest, NoPaddingNeedsWholeBlocks) {
    const AES aes(kKey128, 0, AES::PAD_MODE_NOPAD);
    Bytes output{9};
    EXPECT_EQ(exceptionMessage([&] { aes.encrypt(sequence(17), output); }),
              "Encryption with PadMode = PAD_MODE_NOPAD requires input size to be multiple of BLOCK_SIZE");
    EXPECT_EQ(output, Bytes{9});
    aes.encrypt(Bytes(), output);
    EXPECT_TRUE(output.empty());

    output = {9};
    EXPECT_FALSE(aes.decrypt(sequence(15), output));
    EXPECT_EQ(output, Bytes{9});
    EXPECT_TRUE(aes.decrypt(Bytes(), output));
    EXPECT_TRUE(output.empty());
}

TEST(AESTest, PaddedModesRejectPartialBlocksAndEmptyInput) {
    for (int mode : {AES::PAD_MODE_PKCS7, AES::PAD_MODE_RANDOM}) {
        const AES aes(kKey128, 0, mode);
        for (size_t size : {0, 1, 15, 17, 31}) {
            Bytes output{9};
            EXPECT_FALSE(aes.decrypt(sequence(size), output)) << mode << " " << size;
            EXPECT_EQ(output, Bytes{9});
        }
    }
}

// Whatever the other bytes, the last one must be a count of 1 to 16.
TEST(AESTest, PaddingCountIsChecked) {
    const AES raw(kKey128, 0, AES::PAD_MODE_NOPAD);
    const AES pkcs7(kKey128, 0, AES::PAD_MODE_PKCS7);
    struct Case {
        std::uint8_t last;
        bool accepted;
        size_t kept;
    };
    for (const Case& c :
         {Case{0, false, 0}, Case{17, false, 0}, Case{255, false, 0}, Case{1, true, 31}, Case{16, true, 16}}) {
        Bytes plaintext = sequence(32);
        plaintext.back() = c.last;
        Bytes ciphertext;
        raw.encrypt(plaintext, ciphertext);
        Bytes output{9};
        EXPECT_EQ(pkcs7.decrypt(ciphertext, output), c.accepted) << int(c.last);
        const Bytes expected =
            c.accepted ? Bytes(plaintext.begin(), plaintext.begin() + static_cast<std::ptrdiff_t>(c.kept)) : Bytes{9};
        EXPECT_EQ(output, expected) << int(c.last);
    }
}

TEST(AESTest, WrongKeyIsNotMistakenForTheData) {
    Bytes ciphertext;
    AES(kKey128, 0, AES::PAD_MODE_PKCS7).encrypt(sequence(64), ciphertext);
    // Only the padding count is checked, so some wrong keys pass it (about one in sixteen):
    // whatever the answer, the data never comes out, and a refusal leaves the output alone.
    int accepted = 0;
    for (unsigned seed = 2; seed < 50; ++seed) {
        Bytes output{9};
        const bool accepts = AES(sequence(16, seed), 0, AES::PAD_MODE_PKCS7).decrypt(ciphertext, output);
        accepted += accepts;
        EXPECT_NE(output, sequence(64)) << seed;
        EXPECT_TRUE(accepts || output == Bytes{9}) << seed;
    }
    EXPECT_GT(accepted, 0) << "no wrong key got past the padding check: the acceptance case went untested";
    EXPECT_LT(accepted, 48);
}

TEST(AESTest, OutputMayBeTheInputVector) {
    const AES aes(sequence(32), 0, AES::PAD_MODE_PKCS7);
    Bytes buffer = sequence(100);
    aes.encrypt(buffer, buffer);
    EXPECT_EQ(buffer.size(), 112u);
    ASSERT_TRUE(aes.decrypt(buffer, buffer));
    EXPECT_EQ(buffer, sequence(100));
}

TEST(AESTest, CopiesShareTheKeyAndOutliveTheOriginal) {
    Bytes ciphertext;
    AES* original = new AES(sequence(24), 0, AES::PAD_MODE_PKCS7);
    original->encrypt(sequence(50), ciphertext);
    const AES copy = *original;
    delete original;
    Bytes back;
    ASSERT_TRUE(copy.decrypt(ciphertext, back));
    EXPECT_EQ(back, sequence(50));
}

// A long buffer is ciphered in one chained call: flipping one ciphertext bit garbles only its
// own block and flips the same bit of the next one, as CBC must.
TEST(AESTest, LongBuffersChainBlockToBlock) {
    const AES aes(sequence(16), 0, AES::PAD_MODE_NOPAD);
    const Bytes data = sequence(1 << 20, 3);
    Bytes ciphertext;
    aes.encrypt(data, ciphertext);
    ciphertext[5000] ^= 0x04;
    Bytes back;
    ASSERT_TRUE(aes.decrypt(ciphertext, back));
    ASSERT_EQ(back.size(), data.size());
    const size_t block = 5000 / 16 * 16;
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(block), back.begin()));
    EXPECT_NE(Bytes(back.begin() + static_cast<std::ptrdiff_t>(block),
                    back.begin() + static_cast<std::ptrdiff_t>(block + 16)),
              Bytes(data.begin() + static_cast<std::ptrdiff_t>(block),
                    data.begin() + static_cast<std::ptrdiff_t>(block + 16)));
    EXPECT_EQ(back[5016], data[5016] ^ 0x04);
    EXPECT_TRUE(std::equal(data.begin() + static_cast<std::ptrdiff_t>(block + 16), data.begin() + 5016,
                           back.begin() + static_cast<std::ptrdiff_t>(block + 16)));
    EXPECT_TRUE(std::equal(data.begin() + 5017, data.end(), back.begin() + 5017));
}

} // namespace
