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

    explicit ChunkReader(io::InputStream& input) : m_input(input), m_remaining(input.available()) {}

    static const char* read(lua_State*, void* data, size_t* size) {
        auto& reader = *static_cast<ChunkReader*>(data);
        *size = 0;
        if (reader.m_remaining == 0 || reader.m_error)
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
            *size = static_cast<size_t>(count);
            return reader.m_buffer;
        } catch (const std::exception&) {
            reader.m_error = std::current_exception();
            return nullptr;
        }
    }

    /// The stream's exception, if reading failed.
    const std::exception_ptr& error() const { return m_error; }

private:
    io::InputStream& m_input;
    int m_remaining;
    std::exception_ptr m_error;
    char m_buffer[kPieceSize];
};

} // namespace

void LuaState::runChunk(io::InputStream& input, const std::string& name, const LuaTable* environment) {
    lua_State* L = interpreter();
    StackGuard guard(*this, L, 2);
    ChunkReader reader(input);
    const int status = lua_load(L, ChunkReader::read, &reader, name.c_str());
    if (reader.error())
        std::rethrow_exception(reader.error());
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
    call(0, 0);
}

} // namespace lua
