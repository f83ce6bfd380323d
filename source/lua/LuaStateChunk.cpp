// Loading and running chunks from streams.
#include "lua/LuaState.h"

#include "io/InputStream.h"
#include "lua/LuaException.h"
#include "lua/StackGuard.h"

#include <lua.hpp>

#include <algorithm>
#include <exception>

namespace lua {

namespace {

/// Hands a stream to the Lua loader in pieces, without a copy of the whole file. It must not
/// throw into the loader, so it keeps the stream's exception for `runChunk` to rethrow.
class ChunkReader {
public:
    static constexpr int kPieceSize = 2048;

    ChunkReader(io::InputStream& input, bool textOnly)
        : m_input(input), m_remaining(input.available()), m_textOnly(textOnly) {}

    static const char* read(lua_State*, void* data, size_t* size) {
        auto& reader = *static_cast<ChunkReader*>(data);
        *size = 0;
        if (reader.m_remaining == 0 || reader.m_refused || reader.m_error)
            return nullptr;
        try {
            // A stream that does not know its length is read until it brings nothing.
            const int wanted = reader.m_remaining < 0 ? kPieceSize : std::min(kPieceSize, reader.m_remaining);
            const int count = reader.m_input.read(reader.m_buffer, wanted);
            if (count <= 0) {
                reader.m_remaining = 0;
                return nullptr;
            }
            if (reader.m_remaining > 0)
                reader.m_remaining -= count;
            if (reader.m_first && reader.m_textOnly && reader.m_buffer[0] == LUA_SIGNATURE[0]) {
                reader.m_refused = true;
                return nullptr;
            }
            reader.m_first = false;
            *size = static_cast<size_t>(count);
            return reader.m_buffer;
        } catch (const std::exception&) {
            reader.m_error = std::current_exception();
            return nullptr;
        }
    }

    /// True when the chunk was precompiled and text was required.
    bool refused() const { return m_refused; }
    /// The stream's exception, if reading failed.
    const std::exception_ptr& error() const { return m_error; }

private:
    io::InputStream& m_input;
    int m_remaining;
    bool m_textOnly;
    bool m_first = true;
    bool m_refused = false;
    std::exception_ptr m_error;
    char m_buffer[kPieceSize];
};

/// Sets a count hook that fails the running chunk after a number of instructions, and puts
/// back the hook that was there before.
class InstructionBudget {
public:
    InstructionBudget(lua_State* interpreter, int budget)
        : m_interpreter(interpreter), m_hook(lua_gethook(interpreter)), m_mask(lua_gethookmask(interpreter)),
          m_count(lua_gethookcount(interpreter)), m_active(budget > 0) {
        if (m_active)
            lua_sethook(interpreter, exceeded, LUA_MASKCOUNT, budget);
    }
    InstructionBudget(const InstructionBudget&) = delete;
    InstructionBudget& operator=(const InstructionBudget&) = delete;
    ~InstructionBudget() {
        if (m_active)
            lua_sethook(m_interpreter, m_hook, m_mask, m_count);
    }

private:
    static void exceeded(lua_State* interpreter, lua_Debug*) {
        lua_pushliteral(interpreter, "instruction budget exceeded");
        lua_error(interpreter);
    }

    lua_State* m_interpreter;
    lua_Hook m_hook;
    int m_mask;
    int m_count;
    bool m_active;
};

} // namespace

void LuaState::runChunk(io::InputStream& input, const std::string& name, const LuaTable* environment,
                        const ChunkLimits& limits) {
    lua_State* L = interpreter();
    StackGuard guard(*this, L, 2);
    ChunkReader reader(input, limits.textOnly);
    const int status = lua_load(L, ChunkReader::read, &reader, name.c_str());
    if (reader.error())
        std::rethrow_exception(reader.error());
    if (reader.refused())
        throw LuaException(
            lang::Format("Error while compiling Lua: {0}", name + ": precompiled chunks are not accepted here"));
    if (status != 0) {
        checkType(-1, LuaType::String);
        throw LuaException(lang::Format("Error while compiling Lua: {0}", lua_tostring(L, -1)));
    }
    if (environment) {
        pushTable(*environment);
        checkType(-2, LuaType::Function);
        checkType(-1, LuaType::Table);
        lua_setfenv(L, -2);
    }
    InstructionBudget budget(L, limits.instructionBudget);
    call(0, 0);
}

} // namespace lua
