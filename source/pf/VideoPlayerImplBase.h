#pragma once

#include <string>
#include <vector>

namespace pf {

class VideoPlayerListener;

/// The playlist of a video player, apart from how a platform shows videos: a platform supplies
/// the four playback operations and reports its events through the `on...` calls. Game thread
/// only.
class VideoPlayerImplBase {
public:
    /// The kind of entry the platform plays in a special way (passed to `platformPlay`).
    static constexpr int kSpecialKind = 2;

    virtual ~VideoPlayerImplBase() = default;

    /// Plays `file` alone: the playlist becomes just it, from its start.
    void play(const std::string& file);
    /// Appends `file` of `kind` to the playlist without starting anything.
    void add(const std::string& file, int kind);
    /// Pauses and resumes the platform's playback.
    void pause() { platformPause(); }
    void resume() { platformResume(); }
    /// With `looping`, the playlist starts over after its last entry.
    void setLooping(bool looping) { m_looping = looping; }
    /// Starts the current entry (wrapping to the first when looping and past the end): whether
    /// the platform started it; no for an index past the end.
    bool startCurrent();
    /// `listener` (not owned) hears this player's events until it is removed.
    void addListener(VideoPlayerListener* listener);
    void removeListener(VideoPlayerListener* listener);

    /// The index of the current entry (may be past the end once the playlist ran out).
    std::size_t currentIndex() const { return m_index; }

    // Platform events.
    void onStarted();
    void onPaused();
    void onResumed();
    /// The current entry ended: listeners hear it, then the next entry starts; when none does,
    /// playback stops and listeners hear that it finished.
    void onEntryFinished();

protected:
    /// Plays `file`; `special` for an entry of `kSpecialKind`. Whether playback started.
    virtual bool platformPlay(const std::string& file, bool special) = 0;
    virtual void platformStop() = 0;
    virtual void platformPause() = 0;
    virtual void platformResume() = 0;

private:
    struct Entry {
        std::string file;
        int kind;
    };

    template <class Event> void tellListeners(Event event);

    std::vector<Entry> m_playlist;
    std::size_t m_index = 0;
    bool m_looping = false;
    std::vector<VideoPlayerListener*> m_listeners;
};

} // namespace pf
