#include "LuaTestSupport.h"

#include "lua/LuaObject.h"

#include <gtest/gtest.h>

using lua::LuaState;
using lua::LuaTable;
using luatest::run;

namespace {

/// Receives a precompiled chunk from a script, every byte of it.
class ChunkCollector : public lua::LuaObject {
public:
    explicit ChunkCollector(LuaState& state) : LuaObject(state) { registerMethod("keep", &ChunkCollector::keep); }
    void keep(std::string bytes) { m_bytes = std::move(bytes); }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

std::string precompiled(LuaState& state, const std::string& body) {
    ChunkCollector collector(state);
    run(state, "keep(_G.string.dump(function() " + body + " end))", "dump.lua", &collector);
    return collector.bytes();
}

TEST(PrecompiledChunk, RunsLikeText) {
    LuaState state;
    const std::string bytes = precompiled(state, "answer = 42");
    ASSERT_EQ(bytes.substr(0, 4), "\033Lua");

    LuaTable table(state);
    auto stream = luatest::streamOf(bytes, "saved.lua");
    table.load(stream);
    EXPECT_EQ(table.getNumber("answer"), 42);
    EXPECT_EQ(state.getTop(), 0);
}

} // namespace
