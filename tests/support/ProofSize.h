#pragma once

#include <algorithm>

namespace prooftest {

/// How many rounds a heavy proof runs (crash loops, error storms, churn): `full` in the plain
/// build, a tenth (at least one) under the sanitizers, whose instrumentation makes each round
/// many times slower. The plain test pass still runs the full count, so nothing is proven less;
/// the sanitizer pass looks for memory and undefined-behaviour faults, which show in few rounds.
/// TUMBLE_PROOF_DIVISOR comes from the build (tumble_proof_size): 10 with TUMBLE_SANITIZE, else 1.
constexpr int proofRounds(int full) { return std::max(1, full / TUMBLE_PROOF_DIVISOR); }

} // namespace prooftest
