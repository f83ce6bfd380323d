#include "LuaTestSupport.h"

#include "io/IOException.h"
#include "lua/LuaException.h"
#include "lua/LuaState.h"

#include <gtest/gtest.h>

#include <climits>

using lua::LuaException;
using lua::LuaState;
using lua::LuaTable;
using lua::LuaType;
using luatest::failureOf;
using luatest::run;

namespace {

TEST(LuaState, OpensOnlyTheEngineLibraries) {
    LuaState state;
    run(state, "base = type(print) table_ = type(table.insert) string_ = type(string.format)\n"
               "math_ = type(math.floor) os_ = type(os.time) io_ = type(io) package_ = type(package)\n"
               "debug_ = type(debug) require_ = type(require)");
    const LuaTable& globals = state.getGlobals();
    for (const char* name : {"base", "table_", "string_", "math_", "os_"})
        EXPECT_EQ(globals.getString(name), "function") << name;
    for (const char* name : {"io_", "package_", "debug_", "require_"})
        EXPECT_EQ(globals.getString(name), "nil") << name;
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaState, TypedReadsCheckTheExactType) {
    LuaState state;
    state.pushString("12");
    state.pushNumber(2.5f);
    EXPECT_TRUE(state.isNumber(1)) << "numeric strings are numbers";
    EXPECT_TRUE(state.isString(2)) << "numbers are strings";
    EXPECT_EQ(state.getType(1), LuaType::String);
    EXPECT_EQ(luatest::messageOf([&] { state.toNumber(1); }),
              "Excepted type NUMBER at stack position 1 but found STRING (call stack not available)");
    EXPECT_THROW(state.toString(2), LuaException);
    EXPECT_THROW(state.toBoolean(-1), LuaException);
    EXPECT_EQ(luatest::messageOf([&] { state.toTable(5); }),
              "Excepted type TABLE at stack position 5 but found INVALID (call stack not available)");
    EXPECT_FLOAT_EQ(state.toNumber(2), 2.5f);
    EXPECT_STREQ(state.toString(1), "12");
    EXPECT_EQ(state.getTop(), 2);
}

TEST(LuaState, IntegerReadsTruncateAndSaturate) {
    LuaState state;
    run(state, "values = {-2.7, 2.7, 1e10, -1e10, 0/0}");
    const LuaTable values = luatest::global(state, "values");
    const int expected[] = {-2, 2, INT_MAX, INT_MIN, 0};
    for (int i = 0; i < 5; ++i) {
        values.push();
        state.pushNumber(values.getNumber(i + 1));
        EXPECT_EQ(state.toInteger(-1), expected[i]) << i;
        state.pop(2);
    }
}

TEST(LuaState, ErrorRaisesItsValueFollowedByTheScriptCallStack) {
    LuaState state;
    EXPECT_EQ(failureOf(state, "local function f()\n error('boom')\nend\nf()"),
              "boom\nCall stack:\ntest.lua(2)\ntest.lua(4)\n(end)\n");
    // The level argument is no message, and no position is added for any level.
    EXPECT_EQ(failureOf(state, "error('boom', 2)"), "boom\nCall stack:\ntest.lua(1)\n(end)\n");
    EXPECT_EQ(failureOf(state, "error(42)"), "42\nCall stack:\ntest.lua(1)\n(end)\n");
    EXPECT_EQ(failureOf(state, "error({})"), "\nCall stack:\ntest.lua(1)\n(end)\n");
    // Scripts still catch what they raise, as it is.
    run(state, "local ok, value = pcall(error, {code = 7}) caught = value.code");
    EXPECT_EQ(state.getGlobals().getNumber("caught"), 7);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaState, RuntimeErrorsCarryTheStackWhereTheyHappened) {
    LuaState state;
    EXPECT_EQ(failureOf(state, "local t = nil\nlocal function f() return t.x end\nf()"),
              "[string \"test.lua\"]:2: attempt to index upvalue 't' (a nil value)\n"
              "Call stack:\ntest.lua(2)\ntest.lua(3)\n(end)\n");
    // A library function that raises is not a script frame.
    EXPECT_EQ(failureOf(state, "string.rep()"),
              "[string \"test.lua\"]:1: bad argument #1 to 'rep' (string expected, got no value)\n"
              "Call stack:\ntest.lua(1)\n(end)\n");
}

TEST(LuaState, CompileErrorsLeaveTheStackAsItWas) {
    LuaState state;
    state.pushString("below");
    EXPECT_EQ(failureOf(state, "x = = 1"),
              "Error while compiling Lua: [string \"test.lua\"]:1: unexpected symbol near '='");
    EXPECT_EQ(state.getTop(), 1);
    EXPECT_STREQ(state.toString(1), "below");
}

/// A stream that hides its length (unless told) and hands out at most `piece` bytes per read.
class TrickleStream : public io::InputStream {
public:
    TrickleStream(const std::string& text, int announced, int piece)
        : m_inner(luatest::streamOf(text)), m_announced(announced), m_piece(piece) {}
    int read(void* buffer, int count) override {
        ++m_reads;
        m_largest = std::max(m_largest, count);
        return m_inner.read(buffer, std::min(count, m_piece));
    }
    int available() override { return m_announced; }
    std::string toString() override { return "trickle"; }

    int reads() const { return m_reads; }
    int largest() const { return m_largest; }

private:
    io::ByteArrayInputStream m_inner;
    int m_announced;
    int m_piece;
    int m_reads = 0;
    int m_largest = 0;
};

TEST(LuaState, ChunksAreReadInPiecesUpToWhatTheStreamAnnounces) {
    // A script longer than two pieces, with a statement across each piece boundary.
    std::string script;
    for (int i = 0; script.size() < 5000; ++i)
        script += "total = (total or 0) + " + std::to_string(i) + "\n";
    LuaState state;
    TrickleStream unknownLength(script, -1, 700);
    state.runChunk(unknownLength, "trickle");
    const float total = state.getGlobals().getNumber("total");
    EXPECT_GT(total, 0);
    EXPECT_EQ(unknownLength.largest(), 2048);

    // Only the announced bytes are loaded: the rest is never read.
    LuaState second;
    TrickleStream announced("a = 1\nb = 2\n", 6, 4096);
    second.runChunk(announced, "announced");
    EXPECT_EQ(second.getGlobals().getNumber("a"), 1);
    EXPECT_TRUE(second.getGlobals().isNil("b"));
}

/// Fails every read, as a broken file would.
class FailingStream : public io::InputStream {
public:
    FailingStream() = default;
    int read(void*, int) override { throw io::IOException(lang::Format("Failed to read {0} bytes from {1}", 1, "x")); }
    int available() override { return 100; }
    std::string toString() override { return "failing"; }
};

TEST(LuaState, AStreamFailureComesOutAsItselfAndLeavesTheStack) {
    LuaState state;
    FailingStream failing;
    EXPECT_THROW(state.runChunk(failing, "failing"), io::IOException);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaState, EnvironmentReceivesTheChunksGlobals) {
    LuaState state;
    LuaTable environment(state);
    run(state, "a = 1 b = 'two'", "env.lua", &environment);
    EXPECT_EQ(environment.getNumber("a"), 1);
    EXPECT_EQ(environment.getString("b"), "two");
    EXPECT_TRUE(state.getGlobals().isNil("a"));

    const LuaTable empty;
    EXPECT_EQ(luatest::messageOf([&] { run(state, "a = 1", "env.lua", &empty); }),
              "Excepted type TABLE at stack position -1 but found NIL (call stack not available)");
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaState, TableOperationsHonourOrBypassMetamethods) {
    LuaState state;
    run(state, "proxy = setmetatable({}, {__index = function(t, k) return k .. '!' end,\n"
               "                             __newindex = function(t, k, v) rawset(t, k, v * 2) end})");
    luatest::global(state, "proxy").push();
    state.pushString("a");
    state.getTable(1);
    EXPECT_STREQ(state.toString(-1), "a!");
    state.pop(1);
    state.pushString("a");
    state.rawGet(1);
    EXPECT_EQ(state.getType(-1), LuaType::Nil);
    state.pop(1);
    state.pushString("b");
    state.pushNumber(4);
    state.setTable(1);
    state.pushNumber(5);
    state.rawSetInteger(1, 3);
    EXPECT_EQ(state.getTop(), 1);
    const LuaTable proxy = state.toTable(1);
    EXPECT_EQ(proxy.getNumber("b"), 8);
    EXPECT_EQ(proxy.getNumber(3), 5);

    // Traversal visits every entry once.
    float sum = 0;
    state.pushNil();
    while (state.next(1)) {
        sum += state.toNumber(-1);
        state.pop(1);
    }
    EXPECT_EQ(sum, 13);
    EXPECT_EQ(state.getTop(), 1);
}

TEST(LuaState, FailingOperationsConsumeTheirOperandsAndNothingElse) {
    LuaState state;
    run(state, "strict = setmetatable({}, {__index = function(t, k) error('no ' .. k) end,\n"
               "                              __newindex = function() error('read-only') end})\n"
               "function fails(a, b) error('failed with ' .. a .. b) end");
    state.pushString("bottom");
    luatest::global(state, "strict").push();
    state.pushString("key");
    EXPECT_EQ(luatest::messageOf([&] { state.getTable(2); }), "no key\nCall stack:\ntest.lua(1)\n=[C](-1)\n(end)\n");
    EXPECT_EQ(state.getTop(), 2);
    state.pushString("key");
    state.pushNumber(1);
    EXPECT_THROW(state.setTable(-3), LuaException);
    EXPECT_EQ(state.getTop(), 2);
    state.pushNumber(1);
    state.pushNumber(2);
    EXPECT_THROW(state.rawSetInteger(1, 1), LuaException) << "not a table";
    EXPECT_EQ(state.getTop(), 4);
    state.pop(2);

    state.pushTable(state.getGlobals());
    state.pushString("fails");
    state.rawGet(-2);
    state.pushString("x");
    state.pushNumber(1);
    EXPECT_EQ(luatest::messageOf([&] { state.call(2, 0); }), "failed with x1\nCall stack:\ntest.lua(3)\n(end)\n");
    EXPECT_EQ(state.getTop(), 3);
    EXPECT_STREQ(state.toString(1), "bottom");

    // The same call succeeds afterwards, results in place.
    run(state, "function add(a, b) return a + b, a * b end");
    state.pushString("add");
    state.rawGet(3);
    state.pushNumber(3);
    state.pushNumber(4);
    state.call(2, 2);
    EXPECT_EQ(state.getTop(), 5);
    EXPECT_EQ(state.toNumber(4), 7);
    EXPECT_EQ(state.toNumber(5), 12);
}

TEST(LuaState, PushesMakeRoomForThemselvesUpToTheLimit) {
    LuaState state;
    for (int i = 0; i < 5000; ++i)
        state.pushNumber(static_cast<float>(i));
    EXPECT_EQ(state.toNumber(5000), 4999);
    EXPECT_EQ(luatest::messageOf([&] {
                  for (int i = 0; i < 5000; ++i)
                      state.pushBoolean(true);
              }),
              "stack overflow (call stack not available)");
    state.pop(state.getTop());
    run(state, "ok = true");
    EXPECT_TRUE(state.getGlobals().getBoolean("ok"));
}

} // namespace
