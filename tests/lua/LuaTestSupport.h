#pragma once

#include "io/ByteArrayInputStream.h"
#include "io/ByteArrayOutputStream.h"
#include "io/FileInputStream.h"
#include "lua/LuaException.h"
#include "lua/LuaState.h"
#include "lua/LuaTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace luatest {

/// Runs `source` as a chunk named `name`, in `environment` when given.
inline void run(lua::LuaState& state, const std::string& source, const std::string& name = "test.lua",
                const lua::LuaTable* environment = nullptr) {
    io::ByteArrayInputStream stream(std::vector<uint8_t>(source.begin(), source.end()), name);
    state.runChunk(stream, name, environment);
}

/// A stream over `text` named `name`.
inline io::ByteArrayInputStream streamOf(const std::string& text, const std::string& name = "chunk.lua") {
    return io::ByteArrayInputStream(std::vector<uint8_t>(text.begin(), text.end()), name);
}

/// The message of the `Exception` that `action` raises; a test failure if it raises none.
template <class Exception = lua::LuaException, class Action> std::string messageOf(Action&& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.message();
    }
    ADD_FAILURE() << "nothing was raised";
    return {};
}

/// The message of the `lua::LuaException` that running `source` raises.
inline std::string failureOf(lua::LuaState& state, const std::string& source) {
    return messageOf([&] { run(state, source); });
}

/// The global table `name`.
inline lua::LuaTable global(lua::LuaState& state, const char* name) { return state.getGlobals().getTable(name); }

/// Loads the script helpers of the test data folder (deepEqual) into the globals.
inline void loadHelpers(lua::LuaState& state) {
    const std::string path = std::string(TUMBLE_TEST_DATA) + "/helpers.lua";
    io::FileInputStream file(path);
    state.runChunk(file, path);
}

/// Calls the global deepEqual on two tables (see data/helpers.lua).
inline bool deepEqual(lua::LuaState& state, const lua::LuaTable& a, const lua::LuaTable& b) {
    state.pushTable(state.getGlobals());
    state.pushString("deepEqual");
    state.rawGet(-2);
    state.pushTable(a);
    state.pushTable(b);
    state.call(2, 1);
    const bool equal = state.toBoolean(-1);
    state.pop(2);
    return equal;
}

/// What `table.serialize` writes at the top level (or nested, with the indent).
inline std::string serialized(const lua::LuaTable& table, int indent = 0, bool nested = false) {
    io::ByteArrayOutputStream output;
    table.serialize(output, indent, nested);
    return std::string(output.bytes().begin(), output.bytes().end());
}

} // namespace luatest
