#pragma once

#include "lua/LuaState.h"
#include "lua/LuaTable.h"
#include "lua/NativeFrame.h"

#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace lua {

/// Trampolines for member functions bound as natives: one per member signature, shared by
/// every native of that signature. The closure's upvalue (`lua::NativeBinding`) holds the
/// object and the member. Arguments are read by position with the typed reads of
/// `lua::LuaState` (a wrong type raises its type message): bool, float/double, int (truncated),
/// const char*, std::string (every byte) and `lua::LuaTable`. A result (bool, a number, const char*,
/// std::string or `lua::LuaTable`) is pushed as the single Lua result.
///
/// A member of the form `int f(lua::LuaState&)` takes the raw call frame instead: it reads its
/// arguments itself and returns the number of results it pushed.
template <class Member> class Binder;

namespace detail {

template <class Member> struct MemberTraits;

template <class T, class R, class... A> struct MemberTraits<R (T::*)(A...)> {
    using Class = T;
    using Result = R;
    using Arguments = std::tuple<std::decay_t<A>...>;
};

template <class T, class R, class... A> struct MemberTraits<R (T::*)(A...) const> : MemberTraits<R (T::*)(A...)> {};

template <class T> inline constexpr bool kUnsupported = false;

template <class T> T readArgument(LuaState& state, int index) {
    if constexpr (std::is_same_v<T, bool>)
        return state.toBoolean(index);
    else if constexpr (std::is_same_v<T, int>)
        return state.toInteger(index);
    else if constexpr (std::is_floating_point_v<T>)
        return state.toNumber(index);
    else if constexpr (std::is_same_v<T, const char*>)
        return state.toString(index);
    else if constexpr (std::is_same_v<T, std::string>) {
        size_t length = 0;
        const char* text = state.toString(index, &length);
        return std::string(text, length);
    } else if constexpr (std::is_same_v<T, LuaTable>)
        return state.toTable(index);
    else
        static_assert(kUnsupported<T>, "natives take bool, int, float, double, strings and lua::LuaTable");
}

template <class T> void pushResult(LuaState& state, const T& value) {
    if constexpr (std::is_same_v<T, bool>)
        state.pushBoolean(value);
    else if constexpr (std::is_arithmetic_v<T>)
        state.pushNumber(static_cast<float>(value));
    else if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, std::string>)
        state.pushString(value);
    else if constexpr (std::is_same_v<T, LuaTable>)
        state.pushTable(value);
    else
        static_assert(kUnsupported<T>, "natives return bool, numbers, strings and lua::LuaTable");
}

} // namespace detail

template <class Member> class Binder {
    using Traits = detail::MemberTraits<Member>;
    using Class = typename Traits::Class;
    using Result = typename Traits::Result;
    using Arguments = typename Traits::Arguments;

public:
    using Binding = NativeBinding<Class, Member>;

    static int call(lua_State* interpreter) {
        return NativeFrame::run(interpreter, [](NativeFrame& frame) {
            return invoke(frame, std::make_index_sequence<std::tuple_size_v<Arguments>>{});
        });
    }

private:
    template <std::size_t... I> static int invoke(NativeFrame& frame, std::index_sequence<I...>) {
        LuaState& state = frame.state();
        // Braced initialisation reads the arguments in order, so the first bad one is reported.
        Arguments arguments{
            detail::readArgument<std::tuple_element_t<I, Arguments>>(state, static_cast<int>(I) + 1)...};
        const Binding& binding = *static_cast<const Binding*>(frame.binding());
        auto callMember = [&binding](auto&&... values) {
            return (binding.object->*binding.member)(std::forward<decltype(values)>(values)...);
        };
        if constexpr (std::is_void_v<Result>) {
            std::apply(callMember, std::move(arguments));
            return 0;
        } else {
            detail::pushResult(state, std::apply(callMember, std::move(arguments)));
            return 1;
        }
    }
};

template <class T> class Binder<int (T::*)(LuaState&)> {
public:
    using Binding = NativeBinding<T, int (T::*)(LuaState&)>;

    static int call(lua_State* interpreter) {
        return NativeFrame::run(interpreter, [](NativeFrame& frame) {
            const Binding& binding = *static_cast<const Binding*>(frame.binding());
            return (binding.object->*binding.member)(frame.state());
        });
    }
};

} // namespace lua
