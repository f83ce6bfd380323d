#pragma once

namespace pf {

class VideoPlayerImplBase;

/// Hears what a video player does; each call names the player. Game thread.
class VideoPlayerListener {
public:
    virtual ~VideoPlayerListener() = default;
    /// An entry of the playlist began to play.
    virtual void videoStarted(VideoPlayerImplBase& player) = 0;
    /// Playback paused.
    virtual void videoPaused(VideoPlayerImplBase& player) = 0;
    /// Playback went on after a pause.
    virtual void videoResumed(VideoPlayerImplBase& player) = 0;
    /// An entry played to its end (the next one, if any, starts after this call).
    virtual void videoEntryFinished(VideoPlayerImplBase& player) = 0;
    /// Nothing is left to play: playback stopped.
    virtual void videoPlaybackFinished(VideoPlayerImplBase& player) = 0;
};

} // namespace pf
