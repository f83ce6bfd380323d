#pragma once

// "res" on a fresh interpreter in a fresh working folder, with the chunk runner and readers the
// script-level tests share.

#include "FailureOf.h"
#include "RecordingContext.h"
#include "ResourceFiles.h"
#include "game/LuaResources.h"
#include "io/ByteArrayInputStream.h"
#include "lua/LuaState.h"
#include "lua/LuaTable.h"

#include <string>
#include <vector>

struct ScriptedResources : InTemporaryFolder {
    RecordingContext context;
    lang::Ref<lua::LuaState> lua{new lua::LuaState()};
    lang::Ref<game::LuaResources> res{new game::LuaResources(*lua, context)};

    void run(const std::string& source) {
        io::ByteArrayInputStream input(std::vector<std::uint8_t>(source.begin(), source.end()), "test.lua");
        lua->runChunk(input, "test.lua");
    }
    /// The message `source` fails with, or "" when it runs.
    std::string failureOf(const std::string& source) {
        return testsupport::failureOf([&] { run(source); });
    }
    /// The numbers at 1, 2, ... of the global table `global`.
    std::vector<float> numbers(const char* global) {
        std::vector<float> values;
        const lua::LuaTable table = lua->getGlobals().getTable(global);
        for (int i = 1; table.isNumber(i); ++i)
            values.push_back(table.getNumber(i));
        return values;
    }
};
