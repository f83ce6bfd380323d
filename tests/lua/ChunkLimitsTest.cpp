#include "LuaTestSupport.h"

#include "lua/LuaException.h"
#include "lua/LuaObject.h"

#include <gtest/gtest.h>

using lua::LuaException;
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

TEST(ChunkLimits, PrecompiledChunksRunUnlessTextIsRequired) {
    LuaState state;
    const std::string bytes = precompiled(state, "answer = 42");
    ASSERT_EQ(bytes.substr(0, 4), "\033Lua");

    LuaTable table(state);
    auto stream = luatest::streamOf(bytes, "saved.lua");
    table.load(stream);
    EXPECT_EQ(table.getNumber("answer"), 42);

    LuaTable guarded(state);
    auto again = luatest::streamOf(bytes, "saved.lua");
    EXPECT_EQ(luatest::messageOf([&] { guarded.load(again, {.textOnly = true}); }),
              "Error while compiling Lua: saved.lua: precompiled chunks are not accepted here");
    EXPECT_TRUE(guarded.isNil("answer"));
    EXPECT_EQ(state.getTop(), 0);

    // Text still loads in that mode.
    auto text = luatest::streamOf("answer = 7", "saved.lua");
    guarded.load(text, {.textOnly = true});
    EXPECT_EQ(guarded.getNumber("answer"), 7);
}

TEST(ChunkLimits, TheInstructionBudgetStopsALoopingChunk) {
    LuaState state;
    LuaTable table(state);
    auto looping = luatest::streamOf("x = 1\nwhile true do end", "loop.lua");
    EXPECT_EQ(luatest::messageOf([&] { table.load(looping, {.instructionBudget = 100000}); }),
              "instruction budget exceeded\nCall stack:\nloop.lua(2)\n(end)\n");
    EXPECT_EQ(table.getNumber("x"), 1);
    EXPECT_EQ(state.getTop(), 0);

    // A chunk within its budget runs, and the budget ends with its chunk.
    auto small = luatest::streamOf("for i = 1, 10 do y = i end", "small.lua");
    table.load(small, {.instructionBudget = 100000});
    EXPECT_EQ(table.getNumber("y"), 10);
    run(state, "n = 0 for i = 1, 1000000 do n = n + 1 end");
    EXPECT_EQ(state.getGlobals().getNumber("n"), 1000000);
}

} // namespace
