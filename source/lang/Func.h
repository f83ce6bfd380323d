#pragma once

#include <tuple>
#include <type_traits>

namespace lang {

/// A bound call that can be copied without knowing what it calls (threads start on one).
class FuncBase {
public:
    /// Makes the call.
    virtual void invoke() = 0;
    /// A new heap copy of this call; the caller owns it.
    virtual FuncBase* clone() const = 0;
    virtual ~FuncBase();
};

/// Calls `method` on `object` with arguments stored by value at binding (strings are copied).
/// The object is not owned: it must outlive every invocation.
template <class T, class... Params> class Func : public FuncBase {
public:
    using Method = void (T::*)(Params...);

    Func(T* object, Method method, std::decay_t<Params>... arguments)
        : m_object(object), m_method(method), m_arguments(std::move(arguments)...) {}

    void invoke() override {
        std::apply([this](auto&... arguments) { (m_object->*m_method)(arguments...); }, m_arguments);
    }
    FuncBase* clone() const override { return new Func(*this); }

private:
    T* m_object;
    Method m_method;
    std::tuple<std::decay_t<Params>...> m_arguments;
};

template <class T, class... Params, class... Arguments>
Func(T*, void (T::*)(Params...), Arguments&&...) -> Func<T, Params...>;

/// The bound-call forms by the number of parts bound besides the object: the member alone,
/// or the member and one to four stored arguments.
template <class T> using Func1 = Func<T>;
template <class T, class P1> using Func2 = Func<T, P1>;
template <class T, class P1, class P2> using Func3 = Func<T, P1, P2>;
template <class T, class P1, class P2, class P3> using Func4 = Func<T, P1, P2, P3>;
template <class T, class P1, class P2, class P3, class P4> using Func5 = Func<T, P1, P2, P3, P4>;

} // namespace lang
