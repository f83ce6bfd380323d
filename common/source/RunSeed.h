#pragma once

#include <cstdint>
#include <optional>

/// The random sources the game owns, each seeded apart from the others so that drawing more
/// numbers from one (a burst of particles) leaves the others' sequences as they were.
enum class RandomStream : std::uint32_t {
    Engine = 1,  ///< particles, portal effects, pass-through angles
    Scripts = 2, ///< the scripts' `math.random`
};

/// The seed of `stream` in a run seeded with `runSeed` (`--seed`): the same run seed gives the
/// same numbers on every run and machine; without one, the system's entropy (every run differs).
std::uint32_t streamSeed(std::optional<std::uint32_t> runSeed, RandomStream stream);
