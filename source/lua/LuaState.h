#pragma once

#include "lang/Object.h"
#include "lua/LuaTable.h"
#include "lua/LuaType.h"

#include <cstddef>
#include <exception>
#include <memory>
#include <string>

struct lua_State;

namespace io {
class InputStream;
} // namespace io

namespace lua {

/// A native function as the interpreter calls it.
using NativeFunction = int (*)(lua_State*);

/// Owns one Lua 5.1 interpreter (base, table, string, math and os libraries) and gives typed
/// access to its stack. Main thread only; inside a native called from a coroutine, the stack
/// operations work on that coroutine's stack.
///
/// Every call into the scripts is protected: a failing script raises `lua::LuaException` with
/// "{0}{1}" (the message, then the call-stack text), and an exception thrown by a native comes
/// out again as itself, with its type and message. Afterwards the interpreter is usable and
/// the stack holds what it held before the failing operation (minus the operands it consumes).
/// The global "error" raises its first argument as it is, without position information.
class LuaState : public lang::Object {
public:
    /// Creates the interpreter; raises `lua::LuaException` if that fails.
    LuaState();
    LuaState(const LuaState&) = delete;
    LuaState& operator=(const LuaState&) = delete;
    /// Closes the interpreter. Every table handle must be gone by then.
    ~LuaState() override;

    /// The number of values on the stack (of the running native's call, inside one).
    int getTop() const;
    /// Removes `count` values from the top.
    void pop(int count);
    /// Pushes a copy of the value at `index`.
    void pushValue(int index);
    /// The type at `index`; `LuaType::None` for an absent slot.
    LuaType getType(int index) const;
    bool isBoolean(int index) const;
    /// True for numbers and numeric strings.
    bool isNumber(int index) const;
    /// True for strings and numbers.
    bool isString(int index) const;
    bool isTable(int index) const;

    /// Raises `lua::LuaException` "Excepted type {0} at stack position {1} but found {2}{3}"
    /// (expected and found type names, the index, the call stack) unless the slot has the type.
    void checkType(int index, LuaType expected) const;
    /// Typed reads: each checks the slot's exact type first (a numeric string is no number).
    bool toBoolean(int index) const;
    /// Numbers cross as 32-bit floats.
    float toNumber(int index) const;
    /// A number read as a float and truncated, saturating at the int range (NaN gives 0).
    int toInteger(int index) const;
    /// Valid while the string stays on the stack. `length`, when given, receives the byte count
    /// (the text may hold zero bytes).
    const char* toString(int index, size_t* length = nullptr) const;
    /// A new handle to the table at `index`.
    LuaTable toTable(int index);

    /// Makes room for `slots` more values; raises `lua::LuaException` "stack overflow" beyond
    /// the interpreter's limit. The pushes below make room for themselves.
    void checkStack(int slots);
    void pushBoolean(bool value);
    /// Numbers cross as 32-bit floats.
    void pushNumber(float value);
    /// Pushes a zero-terminated string; null pushes nil.
    void pushString(const char* text);
    /// Pushes `length` bytes, zero bytes included.
    void pushString(const char* text, size_t length);
    void pushString(const std::string& text);
    void pushNil();
    /// Pushes a bare pointer, which the interpreter neither owns nor checks.
    void pushLightUserData(void* pointer);
    /// Pops `upvalues` values and pushes a closure of `function` holding them.
    void pushCClosure(NativeFunction function, int upvalues);
    /// Pushes the table, or nil for an empty handle.
    void pushTable(const LuaTable& table);
    /// Pushes a new empty table.
    void newTable();

    /// Table operations on the table at `index` (checked first with `checkType`).
    /// t[key] with metamethods, key on top: pops the key, pushes the value.
    void getTable(int index);
    /// The same without metamethods.
    void rawGet(int index);
    /// t[key] = value with metamethods, value on top and key below it: pops both.
    void setTable(int index);
    /// t[key] = value without metamethods, value on top: pops it.
    void rawSetInteger(int index, int key);
    /// Pops a key and pushes the next key and its value; returns false (pushing nothing) after
    /// the last entry. The table must not gain keys during a traversal.
    bool next(int index);

    /// Calls the function below the `arguments` values on top, protected; leaves `results`
    /// values. Function and arguments are consumed whether or not the call succeeds.
    void call(int arguments, int results);
    /// The same for a function fetched by `name` (a script callback). When the value there
    /// cannot be called, the message names it: "Error calling \"update\": attempt to call a
    /// nil value", followed by the call stack only when a script is running.
    void call(int arguments, int results, const char* name);

    /// The interpreter's globals table.
    const LuaTable& getGlobals() const { return m_globals; }
    /// The script call stack as seen from a native: "\nCall stack:\n", one "source(line)\n"
    /// per level from the native's caller upwards and "(end)\n"; " (call stack not available)"
    /// when no script is running.
    std::string getCallStack() const;

    /// Loads `input` as a chunk named `name` (text or precompiled, in 2048-byte pieces) and
    /// runs it, with `environment` as its environment when given. Compile errors raise
    /// "Error while compiling Lua: {0}". The stack is left as it was.
    void runChunk(io::InputStream& input, const std::string& name, const LuaTable* environment = nullptr);

private:
    friend class LuaTable;
    friend class TableFields;
    friend class LuaObject;
    friend class NativeFrame;
    friend class SavedTableReader;

    struct Closer {
        void operator()(lua_State* interpreter) const;
    };

    /// The state registered in the interpreter's registry at construction (from any thread).
    static LuaState& fromInterpreter(lua_State* interpreter);
    static int messageHandler(lua_State* interpreter);
    static int panic(lua_State* interpreter);
    static int raiseError(lua_State* interpreter);

    /// The thread whose stack the operations use: the main thread, or the thread of the
    /// coroutine that is running a native.
    lua_State* interpreter() const { return m_current; }
    int absoluteIndex(int index) const;
    /// Runs `helper` protected on `operands` values below the top, leaving `results`.
    void callHelper(NativeFunction helper, int operands, int results);
    /// Throws what a failed protected call with its handler at `handlerIndex` produced; `callee`
    /// names the value that was called when it could not be called (else null).
    [[noreturn]] void throwCallError(int status, int handlerIndex, const char* callee);

    /// Native exceptions crossing the interpreter: the trampoline keeps the exception, leaves
    /// its catch block and raises its message as a Lua error; the message handler of the
    /// protected call that the error is heading for claims it, and that call rethrows it.
    void keep(const std::exception& error) noexcept;
    int raiseKept();

    std::unique_ptr<lua_State, Closer> m_interpreter;
    lua_State* m_current = nullptr;
    LuaTable m_globals;
    int m_messageHandler = -1;
    std::exception_ptr m_kept;
    std::string m_keptMessage;
    bool m_raising = false;
    std::exception_ptr m_claimed;
    std::string m_errorCallStack;
};

} // namespace lua
