#pragma once

#include "lang/Object.h"
#include "lua/TableKey.h"

#include <string>
#include <type_traits>

struct lua_State;

namespace io {
class InputStream;
class OutputStream;
} // namespace io

namespace lua {

class LuaState;
class LuaTableVisitor;

/// A counted handle to one Lua table, held through a reference in the interpreter's registry.
/// Copies refer to the same table; every handle owns its own reference. Like a pointer, a
/// const handle still writes to its table. All reads and writes
/// are raw (no metamethods) and leave the Lua stack as they found it, exceptions included.
/// Numbers cross as 32-bit floats. Handles must be destroyed before their `lua::LuaState`.
/// An empty handle (default-constructed) is pushed as nil; any other use of it raises.
class LuaTable : public lang::Object {
public:
    /// An empty handle.
    LuaTable();
    /// Creates a new empty table in `state` and refers to it.
    explicit LuaTable(LuaState& state);
    LuaTable(const LuaTable& other);
    /// Takes over the reference; `other` becomes empty.
    LuaTable(LuaTable&& other) noexcept;
    LuaTable& operator=(const LuaTable& other);
    LuaTable& operator=(LuaTable&& other) noexcept;
    ~LuaTable() override;

    /// The owning state; raises `lua::LuaException` for an empty handle.
    LuaState& state() const;

    /// The value as a number; 0 when it is neither a number nor a numeric string.
    float getNumber(const TableKey& key) const;
    /// False only for nil and false.
    bool getBoolean(const TableKey& key) const;
    /// The text of a string or number (up to its first zero byte); else the empty string.
    std::string getString(const TableKey& key) const;
    /// A new handle to the table under `key`; raises `lua::LuaException` when it is no table.
    LuaTable getTable(const TableKey& key) const;

    bool isNil(const TableKey& key) const;
    /// True for numbers and numeric strings.
    bool isNumber(const TableKey& key) const;
    /// True for strings and numbers.
    bool isString(const TableKey& key) const;
    bool isTable(const TableKey& key) const;
    bool isBoolean(const TableKey& key) const;

    /// Stores a string; a null pointer removes the entry. A nil key raises `lua::LuaException`.
    void set(const TableKey& key, const char* value) const;
    void set(const TableKey& key, const std::string& value) const;
    void set(const TableKey& key, float value) const;
    /// Any other arithmetic value is stored as a 32-bit float.
    template <class T>
    requires(std::is_arithmetic_v<T> && !std::is_same_v<T, bool> &&
             !std::is_same_v<T, float>) void set(const TableKey& key, T value) const {
        set(key, static_cast<float>(value));
    }
    void set(const TableKey& key, bool value) const;
    /// Stores the table `value` refers to; an empty handle removes the entry.
    void set(const TableKey& key, const LuaTable& value) const;
    /// Removes the entry.
    void setNil(const TableKey& key) const;

    /// The number of entries, all keys counted.
    int count() const;
    /// Pushes the table onto the Lua stack (nil for an empty handle).
    void push() const;
    /// Runs `input` as a chunk whose environment is this table, so that its global assignments
    /// land here. The chunk is named after the stream. Raises `lua::LuaException` for script
    /// errors, and the stream's own exceptions.
    void load(io::InputStream& input) const;
    /// Walks the entries in Lua's traversal order (see `lua::LuaTableVisitor`). The caller
    /// calls the visitor's `finish` afterwards.
    void accept(LuaTableVisitor& visitor) const;
    /// Writes the table as Lua assignments that `lua::SavedTableReader` (or `load`) reads back: "name = value" lines at
    /// the top level (nested false, indent 0), the inside of a table constructor when nested. Only boolean, number,
    /// string and table values with boolean, number or string keys are written; cycles are not detected. Raises the
    /// stream's `io::IOException` on failure.
    void serialize(io::OutputStream& output, int indent = 0, bool nested = false) const;

protected:
    /// The interpreter's current thread; raises `lua::LuaException` for an empty handle.
    lua_State* interpreter() const;

private:
    friend class LuaState;

    /// Refers to the value at `index` of the stack, which the caller has checked.
    LuaTable(LuaState& state, int index);
    /// Pops the value on top into a new registry reference.
    static int reference(lua_State* interpreter);
    /// Pushes the table and the value under `key`; the caller guards the stack.
    void pushEntry(lua_State* interpreter, const TableKey& key) const;
    /// Converts the value under `key` with `convert` (given the interpreter, value on top).
    template <class Convert> auto read(const TableKey& key, Convert convert) const;
    /// Stores the value that `pushValue` pushes under `key`.
    template <class PushValue> void write(const TableKey& key, PushValue pushValue) const;

    LuaState* m_state = nullptr;
    int m_ref = -1;
};

} // namespace lua
