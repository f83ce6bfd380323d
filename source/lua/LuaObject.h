#pragma once

#include "lua/Binder.h"
#include "lua/LuaTable.h"

#include <cstddef>
#include <initializer_list>
#include <type_traits>

namespace lua {

class LuaState;

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

    /// Calls the function stored under `name` (read raw) with number `arguments` and no results,
    /// protected. A missing function raises "Error calling \"name\": attempt to call a nil value".
    void call(const char* name, std::initializer_list<float> arguments = {});

private:
    /// Stores a closure of `trampoline` whose upvalues are a copy of the `size` bytes of
    /// `binding` and the object's liveness flag.
    void registerNative(const char* name, NativeFunction trampoline, const void* binding, size_t size);

    /// The registry reference of the liveness flag (a `bool` in a full user-data value), which
    /// the destructor clears.
    int m_alive;
};

} // namespace lua
