#include "VideoPlayerImplBase.h"

#include "VideoPlayerListener.h"

#include <algorithm>

namespace pf {

void VideoPlayerImplBase::play(const std::string& file) {
    m_playlist.clear();
    m_playlist.push_back({file, 0});
    m_index = 0;
    startCurrent();
}

void VideoPlayerImplBase::add(const std::string& file, int kind) { m_playlist.push_back({file, kind}); }

bool VideoPlayerImplBase::startCurrent() {
    if (m_looping && m_index >= m_playlist.size())
        m_index = 0;
    if (m_index >= m_playlist.size())
        return false;
    const Entry& entry = m_playlist[m_index];
    return platformPlay(entry.file, entry.kind == kSpecialKind);
}

void VideoPlayerImplBase::addListener(VideoPlayerListener* listener) {
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void VideoPlayerImplBase::removeListener(VideoPlayerListener* listener) { std::erase(m_listeners, listener); }

template <class Event> void VideoPlayerImplBase::tellListeners(Event event) {
    // A listener may remove itself while it is told.
    const std::vector<VideoPlayerListener*> listeners = m_listeners;
    for (VideoPlayerListener* listener : listeners)
        (listener->*event)(*this);
}

void VideoPlayerImplBase::onStarted() { tellListeners(&VideoPlayerListener::videoStarted); }

void VideoPlayerImplBase::onPaused() { tellListeners(&VideoPlayerListener::videoPaused); }

void VideoPlayerImplBase::onResumed() { tellListeners(&VideoPlayerListener::videoResumed); }

void VideoPlayerImplBase::onEntryFinished() {
    tellListeners(&VideoPlayerListener::videoEntryFinished);
    ++m_index;
    if (startCurrent())
        return;
    platformStop();
    tellListeners(&VideoPlayerListener::videoPlaybackFinished);
}

} // namespace pf
