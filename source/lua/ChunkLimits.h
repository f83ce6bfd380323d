#pragma once

namespace lua {

/// Restrictions on running a chunk, for files that an untrusted party can write (saved tables
/// in the user's folder). The defaults restrict nothing.
struct ChunkLimits {
    /// Refuse precompiled chunks: their loader trusts the bytes and can corrupt memory.
    bool textOnly = false;
    /// When above 0, the chunk fails with "instruction budget exceeded" after this many
    /// interpreter instructions, so a looping file cannot hang the game.
    int instructionBudget = 0;
};

} // namespace lua
