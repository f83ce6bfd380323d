#pragma once

#include "lua/Binder.h"
#include "lua/LuaTable.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <type_traits>

namespace lua {

class LuaState;

/// One argument of a call into the scripts: a number (crossing as a 32-bit float), a boolean, or
/// a text, which is borrowed until the call returns (never null).
class CallArgument {
public:
    template <class Number>
    requires(std::is_arithmetic_v<Number> && !std::is_same_v<Number, bool>) CallArgument(Number number)
        : m_number(static_cast<float>(number)) {}
    CallArgument(const std::string& text) : m_text(text.data()), m_length(text.size()) {}
    CallArgument(const char* text) : m_text(text), m_length(std::char_traits<char>::length(text)) {}
    /// A Lua boolean, not the number 0 or 1.
    CallArgument(bool flag) : m_number(flag ? 1.0f : 0.0f), m_boolean(true) {}

    /// Pushes the value onto the stack of `interpreter`, which has room for it.
    void push(lua_State* interpreter) const;

private:
    /// The number, or for a boolean 1 (true) or 0 (false).
    float m_number = 0.0f;
    bool m_boolean = false;
    /// Null for a number or a boolean.
    const char* m_text = nullptr;
    size_t m_length = 0;
};

/// A table that stands for a native object: it carries the object's natives and the script
/// functions the engine calls on it. While the object lives, its table holds the object's
/// address at key 0, the globals under "_G" and itself under "this". Derive from it to bind
/// natives. The table may outlive the object: the object's destruction removes key 0, and its
/// natives (wherever the scripts keep them) then raise `lua::LuaException` instead of running.
class LuaObject : public LuaTable {
public:
    explicit LuaObject(LuaState& state);
    LuaObject(const LuaObject&) = delete;
    LuaObject& operator=(const LuaObject&) = delete;
    ~LuaObject() override;

    /// Stores a native under `name` that calls `member` on this object (whose class derives from
    /// `lua::LuaObject`), through the trampoline of the member's signature (`lua::Binder`):
    ///
    ///     registerMethod("setBGColor", &GameLua::setBGColor);
    template <class Member> void registerMethod(const char* name, Member member) {
        using Class = typename detail::MemberTraits<Member>::Class;
        static_assert(std::is_base_of_v<LuaObject, Class>, "natives are members of a lua::LuaObject");
        const typename Binder<Member>::Binding binding{&state(), static_cast<Class*>(this), member};
        static_assert(std::is_trivially_copyable_v<decltype(binding)>);
        registerNative(name, &Binder<Member>::call, &binding, sizeof binding);
    }

    /// Calls the function stored under `name` (read raw) with `arguments` (numbers and texts) and
    /// no results, protected. A missing function raises "Error calling \"name\": attempt to call
    /// a nil value".
    void call(const char* name, std::initializer_list<CallArgument> arguments = {});

    /// Whether the value at `index` of the running native's stack is this object's table: true
    /// for the first argument of a method call (`object:f(...)`).
    bool isSelf(int index) const;

private:
    /// Stores a closure of `trampoline` whose upvalues are a copy of the `size` bytes of
    /// `binding` and the object's liveness flag.
    void registerNative(const char* name, NativeFunction trampoline, const void* binding, size_t size);

    /// The registry reference of the liveness flag (a `bool` in a full user-data value), which
    /// the destructor clears.
    int m_alive;
};

} // namespace lua
