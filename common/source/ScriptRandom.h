#pragma once

#include <cstdint>
#include <optional>
#include <random>

/// The generator behind the scripts' `math.random` and `math.randomseed`, in place of the C
/// library's `rand`, which no run seeds: seeded from the run's seed (`--seed`) when there is one,
/// so that a replay draws the numbers its recording drew.
class ScriptRandom {
public:
    explicit ScriptRandom(std::optional<std::uint32_t> runSeed);

    /// A number in [0, 1) that stays below 1 as a float (the scripts' numbers cross as floats).
    float unit();
    /// A whole number from `low` to `high`, both included; `low` must not exceed `high`.
    long long between(long long low, long long high);
    /// `math.randomseed`: restarts the sequence from `seed`, so the same seed gives the same
    /// numbers again. A seeded run restarts from its own seed instead, whatever `seed` is: the
    /// common `math.randomseed(os.time())` would otherwise make every replay differ.
    void reseed(std::uint32_t seed);

private:
    std::optional<std::uint32_t> m_runSeed;
    std::mt19937 m_generator;
};
