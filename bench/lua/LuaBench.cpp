// The bridge against the raw Lua C API doing the same work in the same run: table access by
// string key, calls of a bound native from a script loop, and saved-table text.
#include "io/ByteArrayInputStream.h"
#include "io/ByteArrayOutputStream.h"
#include "lua/LuaObject.h"
#include "lua/LuaState.h"

#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <string>
#include <vector>

namespace {

constexpr int kCallsPerRun = 10000;

void runScript(lua::LuaState& state, const std::string& source) {
    io::ByteArrayInputStream stream(std::vector<uint8_t>(source.begin(), source.end()), "bench.lua");
    state.runChunk(stream, "bench.lua");
}

/// A raw interpreter with one table held in the registry, as a `lua::LuaTable` holds it.
struct RawTable {
    RawTable() : interpreter(luaL_newstate()) {
        lua_newtable(interpreter);
        ref = luaL_ref(interpreter, LUA_REGISTRYINDEX);
    }
    ~RawTable() { lua_close(interpreter); }
    lua_State* interpreter;
    int ref;
};

void tableSetByString(benchmark::State& run) {
    lua::LuaState state;
    const lua::LuaTable table(state);
    float value = 0;
    for (auto _ : run)
        table.set("score", value += 1);
}
BENCHMARK(tableSetByString);

void rawSetByString(benchmark::State& run) {
    RawTable raw;
    lua_State* L = raw.interpreter;
    float value = 0;
    for (auto _ : run) {
        lua_rawgeti(L, LUA_REGISTRYINDEX, raw.ref);
        lua_pushstring(L, "score");
        lua_pushnumber(L, value += 1);
        lua_rawset(L, -3);
        lua_pop(L, 1);
    }
}
BENCHMARK(rawSetByString);

void tableGetNumberByString(benchmark::State& run) {
    lua::LuaState state;
    const lua::LuaTable table(state);
    table.set("score", 42);
    for (auto _ : run)
        benchmark::DoNotOptimize(table.getNumber("score"));
}
BENCHMARK(tableGetNumberByString);

void rawGetNumberByString(benchmark::State& run) {
    RawTable raw;
    lua_State* L = raw.interpreter;
    lua_rawgeti(L, LUA_REGISTRYINDEX, raw.ref);
    lua_pushnumber(L, 42);
    lua_setfield(L, -2, "score");
    lua_pop(L, 1);
    for (auto _ : run) {
        lua_rawgeti(L, LUA_REGISTRYINDEX, raw.ref);
        lua_pushstring(L, "score");
        lua_rawget(L, -2);
        benchmark::DoNotOptimize(static_cast<float>(lua_tonumber(L, -1)));
        lua_pop(L, 2);
    }
}
BENCHMARK(rawGetNumberByString);

class Accumulator : public lua::LuaObject {
public:
    explicit Accumulator(lua::LuaState& state) : LuaObject(state) {
        registerMethod("add", &Accumulator::add);
        state.getGlobals().set("accumulator", *this);
    }
    // add(amount)
    void add(float amount) { m_total += amount; }

    float m_total = 0;
};

float plainTotal = 0;

int plainAdd(lua_State* L) {
    plainTotal += static_cast<float>(luaL_checknumber(L, 1));
    return 0;
}

const std::string kCallLoop = "local add = ... for i = 1, " + std::to_string(kCallsPerRun) + " do add(i) end";

void boundNativeCall(benchmark::State& run) {
    lua::LuaState state;
    Accumulator accumulator(state);
    runScript(state, "local loop = loadstring('" + kCallLoop + "') function callLoop() loop(accumulator.add) end");
    const lua::LuaTable& globals = state.getGlobals();
    for (auto _ : run) {
        globals.push();
        state.pushString("callLoop");
        state.rawGet(-2);
        state.call(0, 0);
        state.pop(1);
    }
    run.SetItemsProcessed(run.iterations() * kCallsPerRun);
}
BENCHMARK(boundNativeCall);

void plainCFunctionCall(benchmark::State& run) {
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    luaL_loadstring(L, kCallLoop.c_str());
    const int loop = luaL_ref(L, LUA_REGISTRYINDEX);
    for (auto _ : run) {
        lua_rawgeti(L, LUA_REGISTRYINDEX, loop);
        lua_pushcfunction(L, plainAdd);
        lua_call(L, 1, 0);
    }
    run.SetItemsProcessed(run.iterations() * kCallsPerRun);
    lua_close(L);
}
BENCHMARK(plainCFunctionCall);

void serializeTenThousandEntries(benchmark::State& run) {
    lua::LuaState state;
    runScript(state,
              "saved = {} for i = 1, 10000 do\n"
              "  saved['level' .. i] = {score = i * 137, stars = i % 4, name = 'Level ' .. i, done = i % 2 == 0}\n"
              "end");
    const lua::LuaTable saved = state.getGlobals().getTable("saved");
    size_t bytes = 0;
    for (auto _ : run) {
        io::ByteArrayOutputStream output(1 << 20);
        saved.serialize(output);
        bytes = output.bytes().size();
    }
    run.SetBytesProcessed(static_cast<int64_t>(run.iterations() * bytes));
}
BENCHMARK(serializeTenThousandEntries);

} // namespace
