#include "LuaTestSupport.h"
#include "ProofSize.h"

#include "io/IOException.h"
#include "lua/LuaException.h"
#include "lua/LuaObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using lua::LuaException;
using lua::LuaObject;
using lua::LuaState;
using lua::LuaTable;
using luatest::run;

namespace {

/// A native object with one native of each binding form.
class Counter : public LuaObject {
public:
    explicit Counter(LuaState& state) : LuaObject(state) {
        registerMethod("add", &Counter::add);
        registerMethod("describe", &Counter::describe);
        registerMethod("total", &Counter::total);
        registerMethod("fill", &Counter::fill);
        registerMethod("sum", &Counter::sum);
        registerMethod("open", &Counter::open);
        registerMethod("callBack", &Counter::callBack);
        registerMethod("pairsOf", &Counter::pairsOf);
        state.getGlobals().set("counter", *this);
    }

    // add(amount, times, enabled)
    void add(float amount, int times, bool enabled) {
        if (enabled)
            m_total += amount * static_cast<float>(times);
    }
    // describe(name, suffix) -> string
    std::string describe(const char* name, const std::string& suffix) const { return name + (":" + suffix); }
    // total() -> number
    float total() const { return m_total; }
    // fill(table) -> table
    LuaTable fill(LuaTable table) {
        table.set("filled", true);
        return table;
    }
    // sum(...) -> count, sum: reads its arguments itself
    int sum(LuaState& state) {
        float sum = 0;
        const int count = state.getTop();
        for (int i = 1; i <= count; ++i)
            sum += state.toNumber(i);
        state.pushNumber(static_cast<float>(count));
        state.pushNumber(sum);
        return 2;
    }
    // open(path)
    void open(const std::string& path) {
        ++m_opened;
        throw io::IOException(lang::Format("Failed to open {0} with errno {1}", path, 2));
    }
    // callBack(name): calls the function of that name stored in this object
    void callBack(const char* name) { call(name); }
    // pairsOf(table) -> count: a raw traversal that adds a key, which Lua rejects
    int pairsOf(LuaState& state) {
        Tracked tracked(m_destroyed);
        state.pushNil();
        state.pushString("stranger");
        return state.next(1);
    }

    float m_total = 0;
    int m_opened = 0;
    int m_destroyed = 0;

private:
    struct Tracked {
        int& destroyed;
        ~Tracked() { ++destroyed; }
    };
};

TEST(LuaObject, HoldsItsFixedEntries) {
    LuaState state;
    Counter counter(state);
    EXPECT_FALSE(counter.isNil(0)) << "the native object's address";
    run(state, "same = this == _G.counter and _G == _G._G", "fixed.lua", &counter);
    EXPECT_TRUE(counter.getBoolean("same"));
    EXPECT_TRUE(counter.getTable("_G").isTable("string"));
}

TEST(LuaObject, ItsTableOutlivesItWithoutReachingIt) {
    LuaState state;
    auto counter = std::make_unique<Counter>(state);
    run(state, "kept = counter  add = counter.add  counter.add(1, 2, true)");
    counter.reset();
    const LuaTable kept = luatest::global(state, "kept");
    EXPECT_TRUE(kept.isNil(0)) << "no address of a destroyed object";
    for (const char* call : {"kept.add(1, 1, true)", "add(1, 1, true)", "kept.total()"})
        EXPECT_EQ(luatest::failureOf(state, call), "The native object of this function no longer exists") << call;
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaObject, NativesConvertArgumentsAndResults) {
    LuaState state;
    Counter counter(state);
    run(state, "counter.add(1.5, 2.9, true) counter.add(100, 1, false)\n"
               "text = counter.describe('bird', 'red')\n"
               "t = counter.fill({}) filled = t.filled\n"
               "count, total = counter.sum(1, 2, 3.5)\n"
               "afterwards = counter.total()");
    const LuaTable& globals = state.getGlobals();
    EXPECT_EQ(counter.m_total, 3) << "2.9 is truncated to 2 for an int parameter";
    EXPECT_EQ(globals.getString("text"), "bird:red");
    EXPECT_TRUE(globals.getBoolean("filled"));
    EXPECT_EQ(globals.getNumber("count"), 3);
    EXPECT_EQ(globals.getNumber("total"), 6.5);
    EXPECT_EQ(globals.getNumber("afterwards"), 3);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaObject, AWrongArgumentNamesTheFirstBadPositionAndTheScript) {
    LuaState state;
    Counter counter(state);
    EXPECT_EQ(luatest::messageOf([&] { run(state, "x = 1\ncounter.add(1, '2', 3)", "args.lua"); }),
              "Excepted type NUMBER at stack position 2 but found STRING\nCall stack:\nargs.lua(2)\n(end)\n");
    EXPECT_EQ(luatest::messageOf([&] { run(state, "counter.describe('only')", "args.lua"); }),
              "Excepted type STRING at stack position 2 but found INVALID\nCall stack:\nargs.lua(1)\n(end)\n");
    EXPECT_EQ(counter.m_total, 0);
}

TEST(LuaObject, ANativesExceptionComesOutAsItself) {
    LuaState state;
    Counter counter(state);
    run(state, "function counter.load() counter.open('level.lua') end\nfunction counter.fail() error('script') end",
        "object.lua");
    EXPECT_EQ(luatest::messageOf<io::IOException>([&] { counter.call("load"); }),
              "Failed to open level.lua with errno 2");
    // Scripts catch it as a message; it is then gone, and a later script error is a script error.
    run(state, "ok, message = pcall(counter.open, 'x.lua')");
    EXPECT_FALSE(state.getGlobals().getBoolean("ok"));
    EXPECT_EQ(state.getGlobals().getString("message"), "Failed to open x.lua with errno 2");
    EXPECT_EQ(luatest::messageOf([&] { counter.call("fail"); }), "script\nCall stack:\nobject.lua(2)\n(end)\n");
    EXPECT_EQ(counter.m_opened, 2);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaObject, ErrorsCrossNestedCallsUnchanged) {
    LuaState state;
    Counter counter(state);
    run(state,
        "function counter.inner() error('deep') end\n"
        "function counter.middle() counter.callBack('inner') end\n"
        "function counter.outer() counter.callBack('middle') end\n"
        "function counter.opener() counter.open('nested.lua') end\n"
        "function counter.viaNative() counter.callBack('opener') end",
        "nested.lua");
    // The innermost failure, with the stack as it was where it happened.
    EXPECT_EQ(luatest::messageOf([&] { counter.call("outer"); }),
              "deep\nCall stack:\nnested.lua(1)\n=[C](-1)\nnested.lua(2)\n=[C](-1)\nnested.lua(3)\n(end)\n");
    EXPECT_THROW(counter.call("viaNative"), io::IOException);
    // A missing function is named; called from a script through a native, with that call stack.
    EXPECT_EQ(luatest::messageOf([&] { counter.call("missing"); }),
              "Error calling \"missing\": attempt to call a nil value");
    EXPECT_EQ(luatest::messageOf([&] { run(state, "counter.callBack('absent')", "absent.lua"); }),
              "Error calling \"absent\": attempt to call a nil value\nCall stack:\nabsent.lua(1)\n(end)\n");
    // A value that is not a function keeps Lua's text; a callable table is called, and its own
    // failure is not blamed on the name.
    run(state, "counter.number = 5  counter.callable = setmetatable({}, {__call = function() error('inside') end})",
        "callable.lua");
    EXPECT_EQ(luatest::messageOf([&] { counter.call("number"); }),
              "Error calling \"number\": attempt to call a number value");
    EXPECT_EQ(luatest::messageOf([&] { counter.call("callable"); }), "inside\nCall stack:\ncallable.lua(1)\n(end)\n");
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaObject, ALuaErrorInsideANativeRunsItsDestructors) {
    LuaState state;
    Counter counter(state);
    EXPECT_EQ(luatest::messageOf([&] { run(state, "counter.pairsOf({a = 1})", "raw.lua"); }),
              "invalid key to 'next'\nCall stack:\nraw.lua(1)\n(end)\n");
    EXPECT_EQ(counter.m_destroyed, 1);
}

TEST(LuaObject, NativesRunInsideCoroutines) {
    LuaState state;
    Counter counter(state);
    run(state, "local co = coroutine.create(function(a)\n"
               "  local b = coroutine.yield(counter.describe(a, 'first'))\n"
               "  counter.add(b, 1, true)\n"
               "  return counter.sum(1, 2)\n"
               "end)\n"
               "ok1, first = coroutine.resume(co, 'x')\n"
               "ok2, count, total = coroutine.resume(co, 5)\n"
               "ok3, message = coroutine.resume(coroutine.create(function() counter.open('co.lua') end))");
    const LuaTable& globals = state.getGlobals();
    EXPECT_EQ(globals.getString("first"), "x:first");
    EXPECT_EQ(counter.m_total, 5);
    EXPECT_EQ(globals.getNumber("total"), 3);
    EXPECT_FALSE(globals.getBoolean("ok3"));
    EXPECT_EQ(globals.getString("message"), "Failed to open co.lua with errno 2");
    EXPECT_EQ(state.getTop(), 0);
}

TEST(LuaObject, TheInterpreterSurvivesAHundredThousandErrors) {
    LuaState state;
    Counter counter(state);
    run(state,
        "function counter.scriptError() local t = nil; return t.x end\n"
        "function counter.nativeError() counter.open('again.lua') end\n"
        "function counter.caughtInScript() assert(not pcall(counter.open, 'caught.lua')) end\n"
        "local function deep(n) if n == 0 then error('bottom') end deep(n - 1) end\n"
        "function counter.deepError() deep(50) end",
        "errors.lua");
    state.pushString("bottom of the stack");
    const int rounds = prooftest::proofRounds(100000);
    int scriptErrors = 0;
    int nativeErrors = 0;
    for (int i = 0; i < rounds; ++i) {
        try {
            counter.call(i % 3 == 0 ? "deepError" : "scriptError");
        } catch (const LuaException&) {
            ++scriptErrors;
        }
        try {
            counter.call("nativeError");
        } catch (const io::IOException&) {
            ++nativeErrors;
        }
        if (i % 10 == 0)
            counter.call("caughtInScript");
    }
    EXPECT_EQ(scriptErrors, rounds);
    EXPECT_EQ(nativeErrors, rounds);
    EXPECT_EQ(state.getTop(), 1);
    EXPECT_STREQ(state.toString(1), "bottom of the stack");
    run(state, "local function sumTo(n) if n == 0 then return 0 end return n + sumTo(n - 1) end\n"
               "result = sumTo(150)");
    EXPECT_EQ(state.getGlobals().getNumber("result"), 11325);
}

} // namespace

TEST(LuaObject, CallsPassTextsNumbersAndBooleansInOrder) {
    LuaState state;
    Counter counter(state);
    run(state, "function counter.record(...) got = {...} kinds = type(got[2]) .. type(got[3]) .. type(got[4]) .. "
               "type(got[5]) .. tostring(got[5]) .. tostring(got[6]) end");
    const std::string owned = "second";
    counter.call("record", {"first", owned, 2.5f, 7, true, false});
    const LuaTable got = state.getGlobals().getTable("got");
    EXPECT_EQ(state.getGlobals().getString("kinds"), "stringnumbernumberbooleantruefalse");
    EXPECT_EQ(got.getString(1), "first");
    EXPECT_EQ(got.getString(2), owned);
    EXPECT_EQ(got.getNumber(3), 2.5f);
    EXPECT_EQ(got.getNumber(4), 7.0f);
    EXPECT_EQ(state.getTop(), 0);
}
