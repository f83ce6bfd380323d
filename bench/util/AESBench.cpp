#include "util/AES.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

// The size of a large enciphered script archive or level pack, with room to spare.
constexpr size_t kDataSize = 10 * 1024 * 1024;

std::vector<std::uint8_t> testKey(size_t size) {
    std::vector<std::uint8_t> key(size);
    for (size_t i = 0; i < size; ++i)
        key[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return key;
}

std::vector<std::uint8_t> plaintext() {
    std::vector<std::uint8_t> data(kDataSize);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
    return data;
}

// Deciphering is what loading does every time; CBC deciphering runs blocks in parallel.
void decrypt10MB(benchmark::State& state) {
    const util::AES aes(testKey(static_cast<size_t>(state.range(0))), util::AES::KEY_LENGTH_FROM_KEY,
                        util::AES::PAD_MODE_PKCS7);
    std::vector<std::uint8_t> ciphertext;
    aes.encrypt(plaintext(), ciphertext);
    std::vector<std::uint8_t> output;
    for (auto _ : state) {
        benchmark::DoNotOptimize(aes.decrypt(ciphertext, output));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(ciphertext.size()));
}
BENCHMARK(decrypt10MB)->Arg(16)->Arg(32)->Unit(benchmark::kMillisecond);

// Enciphering chains block after block, so it is the slower direction; saving uses it.
void encrypt10MB(benchmark::State& state) {
    const util::AES aes(testKey(static_cast<size_t>(state.range(0))), util::AES::KEY_LENGTH_FROM_KEY,
                        util::AES::PAD_MODE_PKCS7);
    const std::vector<std::uint8_t> data = plaintext();
    std::vector<std::uint8_t> output;
    for (auto _ : state) {
        aes.encrypt(data, output);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
}
BENCHMARK(encrypt10MB)->Arg(16)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace
