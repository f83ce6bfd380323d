#include "LuaTestSupport.h"

#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <utility>

using lua::LuaException;
using lua::LuaState;
using lua::LuaTable;
using luatest::run;

namespace {

TEST(LuaTable, GettersConvertAsScriptsExpect) {
    LuaState state;
    run(state, "t = {twelve = '12', yes = true, zero = 0, half = 2.5, sub = {}, word = 'a\\0b', 'first'}");
    const LuaTable t = luatest::global(state, "t");
    EXPECT_EQ(t.getNumber("twelve"), 12);
    EXPECT_EQ(t.getNumber("yes"), 0);
    EXPECT_EQ(t.getNumber("missing"), 0);
    EXPECT_FALSE(t.getBoolean("missing"));
    EXPECT_TRUE(t.getBoolean("zero"));
    EXPECT_EQ(t.getString("half"), "2.5");
    EXPECT_EQ(t.getString("sub"), "");
    EXPECT_EQ(t.getString("word"), "a") << "the text ends at its first zero byte";
    EXPECT_EQ(t.getString(1), "first");
    EXPECT_EQ(t.getString(std::string("twelve")), "12");
    EXPECT_TRUE(t.isNumber("twelve"));
    EXPECT_TRUE(t.isString("half"));
    EXPECT_TRUE(t.isTable("sub"));
    EXPECT_TRUE(t.isBoolean("yes"));
    EXPECT_TRUE(t.isNil("missing"));
    EXPECT_FALSE(t.isNil(1));
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaTable, GetTableNamesTheKeyAndTheTypeFound) {
    LuaState state;
    run(state, "t = {inner = {x = 1}, 5}");
    const LuaTable t = luatest::global(state, "t");
    EXPECT_EQ(t.getTable("inner").getNumber("x"), 1);
    EXPECT_EQ(luatest::messageOf([&] { t.getTable("missing"); }),
              "Tried to get value missing from table, but type was NIL instead of TABLE");
    EXPECT_EQ(luatest::messageOf([&] { t.getTable(1); }),
              "Tried to get value 1 from table, but type was NUMBER instead of TABLE");
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaTable, SettersStoreRawAndNumbersAsFloats) {
    LuaState state;
    run(state, "t = setmetatable({}, {__newindex = function() error('not raw') end})");
    LuaTable t = luatest::global(state, "t");
    LuaTable inner(state);
    t.set("name", "text");
    t.set(std::string("key\0zero", 8), std::string("a\0b", 3));
    t.set("real", 0.1);
    t.set("big", 16777217);
    t.set("flag", false);
    t.set(1, inner);
    t.set(2, 2.5f);
    t.set("gone", "soon");
    t.setNil("gone");
    t.set("alsoGone", static_cast<const char*>(nullptr));
    run(state, "zeroKey = t['key\\0zero'] realIsFloat = t.real ~= 0.1 and t.real - 0.1 < 1e-8");
    EXPECT_EQ(state.getGlobals().getString("zeroKey").size(), 1u);
    EXPECT_TRUE(state.getGlobals().getBoolean("realIsFloat")) << "0.1 crosses as a 32-bit float";
    EXPECT_EQ(t.getNumber("real"), 0.1f);
    EXPECT_EQ(t.getNumber("big"), 16777216);
    EXPECT_TRUE(t.isBoolean("flag"));
    EXPECT_TRUE(t.isTable(1));
    EXPECT_EQ(t.getNumber(2), 2.5f);
    EXPECT_TRUE(t.isNil("gone"));
    EXPECT_EQ(t.count(), 7);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaTable, ANilKeyRaisesLuasOwnErrorAndLeavesTheStack) {
    LuaState state;
    LuaTable t(state);
    state.pushString("bottom");
    EXPECT_EQ(luatest::messageOf([&] { t.set(static_cast<const char*>(nullptr), 1.0f); }),
              "table index is nil (call stack not available)");
    EXPECT_THROW(t.setNil(static_cast<const char*>(nullptr)), LuaException);
    EXPECT_EQ(state.getTop(), 1);
    EXPECT_TRUE(t.isNil(static_cast<const char*>(nullptr))) << "reading a nil key finds nothing";
    EXPECT_EQ(t.count(), 0);
}

TEST(LuaTable, HandlesOwnTheirReferences) {
    LuaState state;
    LuaTable copy;
    {
        LuaTable original(state);
        original.set("x", 1);
        copy = original;
        LuaTable second(original);
        second.set("y", 2);
    }
    run(state, "collectgarbage()");
    EXPECT_EQ(copy.getNumber("x"), 1) << "the copy keeps the table alive";
    EXPECT_EQ(copy.getNumber("y"), 2) << "copies refer to the same table";

    copy = copy;
    EXPECT_EQ(copy.count(), 2);
    LuaTable moved(std::move(copy));
    EXPECT_EQ(moved.count(), 2);
    state.pushTable(copy);
    EXPECT_EQ(state.getType(-1), lua::LuaType::Nil) << "an empty handle pushes nil";
    state.pop(1);
    EXPECT_EQ(luatest::messageOf([&] { copy.getNumber("x"); }), "Tried to use an empty table handle");
    EXPECT_THROW(copy.set("x", 1), LuaException);

    // Every handle gives its reference back: many short-lived handles do not grow the registry.
    run(state, "collectgarbage() before = collectgarbage('count')");
    for (int i = 0; i < 100000; ++i)
        LuaTable(moved).set(i % 7, i);
    run(state, "collectgarbage() grown = collectgarbage('count') - before");
    EXPECT_LT(state.getGlobals().getNumber("grown"), 16) << "kilobytes";
    EXPECT_EQ(moved.count(), 9);
}

TEST(LuaTable, LoadRunsTheChunkWithTheTableAsItsGlobals) {
    LuaState state;
    LuaTable saved(state);
    saved.set("kept", true);
    auto stream = luatest::streamOf("score = 10\nname = 'bird'\nnested = {1, 2}\n", "settings.lua");
    saved.load(stream);
    EXPECT_EQ(saved.getNumber("score"), 10);
    EXPECT_EQ(saved.getString("name"), "bird");
    EXPECT_EQ(saved.getTable("nested").getNumber(2), 2);
    EXPECT_TRUE(saved.getBoolean("kept"));
    EXPECT_TRUE(state.getGlobals().isNil("score"));

    auto broken = luatest::streamOf("score = ", "broken.lua");
    EXPECT_EQ(luatest::messageOf([&] { saved.load(broken); }),
              "Error while compiling Lua: [string \"broken.lua\"]:1: unexpected symbol near '<eof>'");
    // Data files see no globals: calling one is an error.
    auto calling = luatest::streamOf("x = print('hi')", "calling.lua");
    EXPECT_THROW(saved.load(calling), LuaException);
    EXPECT_EQ(state.getTop(), 0);
}

} // namespace
