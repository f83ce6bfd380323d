#include "RunSeed.h"

#include <random>

std::uint32_t streamSeed(std::optional<std::uint32_t> runSeed, RandomStream stream) {
    if (!runSeed)
        return std::random_device{}();
    std::seed_seq sequence{*runSeed, static_cast<std::uint32_t>(stream)};
    std::uint32_t seed = 0;
    sequence.generate(&seed, &seed + 1);
    return seed;
}
