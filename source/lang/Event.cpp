#include "lang/Event.h"

#include <algorithm>

namespace lang::event {

namespace detail {

EventHandle::~EventHandle() = default;

void EventHandle::unsubscribe() {
    m_subscribed = false;
    if (!m_channel)
        return; // the event object is already gone (static destruction)
    if (m_channel->m_firing > 0)
        m_channel->m_dirty = true;
    else
        m_channel->compact();
}

ChannelBase::~ChannelBase() {
    for (const Ref<EventHandle>& handle : m_handles)
        handle->m_channel = nullptr;
}

void ChannelBase::add(EventHandle* handle) {
    handle->m_channel = this;
    m_handles.emplace_back(handle);
}

void ChannelBase::compact() {
    std::erase_if(m_handles, [](const Ref<EventHandle>& handle) { return !handle->subscribed(); });
    m_dirty = false;
}

} // namespace detail

Link::~Link() { m_handle->unsubscribe(); }

} // namespace lang::event
