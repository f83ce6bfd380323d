#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

#include <cstddef>
#include <functional>
#include <type_traits>
#include <vector>

/// Event channels: a static `Event` object names an event; callables subscribe to it and are
/// called in subscription order when it is fired. Channels are used on the main thread only.
///
///     lang::event::Event<void(int, int)> kMouseMoved;        // at namespace scope
///     lang::Ref<lang::event::Link> link = lang::event::subscribe(kMouseMoved, [](int x, int y) {});
///     lang::event::fire(kMouseMoved, 10, 20);
///     link = nullptr;                                        // unsubscribes
namespace lang::event {

namespace detail {

class ChannelBase;

/// The channel side of one subscription.
class EventHandle : public Object {
public:
    ~EventHandle() override;
    /// Whether the subscription is still live (its link has not been dropped).
    bool subscribed() const { return m_subscribed; }
    /// Called by the link when it is dropped: the handle is skipped from now on, even by a fire
    /// that is in progress, and leaves the channel's list once no fire is running.
    void unsubscribe();

protected:
    ChannelBase* m_channel = nullptr;
    bool m_subscribed = true;
    friend class ChannelBase;
};

/// The list of one event's subscriptions; keeps handles alive while it may call them.
class ChannelBase {
public:
    constexpr ChannelBase() = default;
    ~ChannelBase();
    ChannelBase(const ChannelBase&) = delete;
    ChannelBase& operator=(const ChannelBase&) = delete;

protected:
    void add(EventHandle* handle);
    /// Drops unsubscribed handles; only while no fire is running.
    void compact();

    /// Counts nested fires; the list is compacted when the outermost one ends.
    class FireScope {
    public:
        explicit FireScope(ChannelBase& channel) : m_channel(channel) { ++m_channel.m_firing; }
        ~FireScope() {
            if (--m_channel.m_firing == 0 && m_channel.m_dirty)
                m_channel.compact();
        }
        FireScope(const FireScope&) = delete;
        FireScope& operator=(const FireScope&) = delete;

    private:
        ChannelBase& m_channel;
    };

    std::vector<Ref<EventHandle>> m_handles;

private:
    friend class EventHandle;
    int m_firing = 0;
    bool m_dirty = false;
};

/// A subscribed callable with the event's arguments.
template <class... Args> class Handle : public EventHandle {
public:
    explicit Handle(std::function<void(Args...)> callable) : m_callable(std::move(callable)) {}
    void call(const std::remove_reference_t<Args>&... arguments) const { m_callable(arguments...); }

private:
    std::function<void(Args...)> m_callable;
};

} // namespace detail

/// One subscription; dropping the last counted reference unsubscribes, also while the event is
/// being fired (the callable is then not called again, not even later in the same fire).
class Link : public Object {
public:
    explicit Link(Ref<detail::EventHandle> handle) : m_handle(std::move(handle)) {}
    ~Link() override;

private:
    Ref<detail::EventHandle> m_handle;
};

template <class Signature> class Event;

/// An event with the given argument types. Declare one static object per event and share it
/// through a header (`extern`). Constant-initialised, so other static initialisers may subscribe.
template <class... Args> class Event<void(Args...)> : private detail::ChannelBase {
public:
    constexpr Event() = default;

private:
    using Handle = detail::Handle<Args...>;

    template <class... A>
    friend Ref<Link> subscribe(Event<void(A...)>& event, std::type_identity_t<std::function<void(A...)>> callable);
    template <class... A>
    friend void fire(Event<void(A...)>& event, const std::remove_reference_t<std::type_identity_t<A>>&... arguments);
};

/// Subscribes `callable` to `event`; keep the link as long as the subscription should last.
/// An empty callable raises `std::bad_function_call` when the event is fired.
template <class... Args>
Ref<Link> subscribe(Event<void(Args...)>& event, std::type_identity_t<std::function<void(Args...)>> callable) {
    auto* handle = new typename Event<void(Args...)>::Handle(std::move(callable));
    event.add(handle);
    return Ref<Link>(new Link(Ref<detail::EventHandle>(handle)));
}

/// Calls every live subscriber of `event` in subscription order, passing each argument as a
/// const reference. Subscriptions made during the
/// fire are first called by the next fire. Exceptions from a callable propagate to the caller.
template <class... Args>
void fire(Event<void(Args...)>& event, const std::remove_reference_t<std::type_identity_t<Args>>&... arguments) {
    typename Event<void(Args...)>::FireScope scope(event);
    const std::size_t count = event.m_handles.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Held here so that dropping the link inside the callable leaves it alive until it returns.
        Ref<detail::EventHandle> handle = event.m_handles[i];
        if (handle->subscribed())
            static_cast<const typename Event<void(Args...)>::Handle&>(*handle).call(arguments...);
    }
}

} // namespace lang::event
