#pragma once

#include "audio/AudioFormat.h"
#include "lang/Mutex.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace audio {

class AudioClip;
class AudioClipCursor;

/// Sums the playing instances of clips in software, in fixed point, each scaled by its own volume
/// and by its track's. Eight tracks, each with a volume and a limit on how many instances may
/// play on it at once. Plays are queued as pending and join the active list at the next mix, so
/// the game thread never waits for a mix to finish. Game thread: play, stop, volumes, queries;
/// mixing thread: `fill`. Instances the mix drops are released by the game thread's next play,
/// stop or setVolume: clip reference counts are not atomic, so only the game thread changes them.
class AudioMixer : public lang::Object {
public:
    static constexpr int kTrackCount = 8;
    static constexpr unsigned kNoLimit = std::numeric_limits<unsigned>::max();

    AudioMixer();
    ~AudioMixer() override;

    /// Queues a play of `clip` from its start with `volume` (0 to 1) on `track`, repeating it at
    /// its end while `loop`. Returns the play's handle (0, 1, 2, ... in order of plays), or -1
    /// when the mixer is disabled or the track is at its limit of instances.
    int play(lang::Ref<AudioClip> clip, float volume, bool loop, int track);
    /// Marks every instance of `clip` stopped; they are dropped at the next mix, unheard if they
    /// were still pending.
    void stop(const AudioClip& clip);
    /// Marks the instance with `handle` stopped; nothing for an unknown handle.
    void stop(int handle);
    void stopAll();
    /// Whether any instance of `clip`, pending or active, is not stopped.
    bool isPlaying(const AudioClip& clip) const;
    /// Whether the instance with `handle` exists and is not stopped.
    bool isPlaying(int handle) const;
    /// Sets the volume of every present instance of `clip`; later plays use their own volume.
    void setVolume(const AudioClip& clip, float volume);

    /// Clamps `volume` to [0, 1] for `track`. Every track operation raises `lang::Exception`
    /// "Track {0} out of bounds! Range [0-7]" for a track outside 0 to 7.
    void setTrackVolume(float volume, int track);
    float getTrackVolume(int track) const;
    /// At most `limit` instances on `track` at once; `kNoLimit` (the default) never refuses.
    void setChannelCountLimit(int track, unsigned limit);

    /// A disabled mixer refuses plays; the output enables it while it runs.
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    /// Mixing thread: moves the pending plays to the active list, drops stopped instances, and
    /// fills `region` (`bytes` long, whole frames) with the sum of the active instances in
    /// `format` (8 or 16 bits), clamped to the sample range. A one-channel clip on a two-channel
    /// 16-bit output is heard on both channels at its own speed.
    void fill(void* region, int bytes, const AudioFormat& format);

    /// Number of instances not yet dropped (pending and active), for tests and the watchdog.
    std::size_t instanceCount() const;

private:
    struct Instance;

    /// Raises the bounds message unless 0 <= track < kTrackCount.
    static void checkTrack(int track);
    /// Calls `visit` on every pending and active instance; the caller holds the mutex.
    template <class Visit> void forEachInstance(Visit visit) const;
    /// Instances on `track` that are not stopped; the caller holds the mutex.
    unsigned instancesOnTrack(int track) const;
    /// Destroys the instances the mix dropped; game thread, the caller holds the mutex.
    void releaseDropped();
    /// Moves pending instances to the active list and parks stopped ones for `releaseDropped`.
    void admitAndPrune();
    /// Reads up to `wanted` bytes of `instance` into the scratch buffer (looping or stopping at
    /// the clip's end); returns the bytes read.
    int readInstance(Instance& instance, int wanted);
    /// Adds one instance's next `bytes` of 16-bit output (`outputChannels` wide) to the
    /// accumulator.
    void sum16(Instance& instance, int bytes, int outputChannels);
    /// Adds one instance's next `bytes` of 8-bit output to the accumulator.
    void sum8(Instance& instance, int bytes);

    mutable lang::Mutex m_mutex;
    std::array<std::atomic<float>, kTrackCount> m_trackVolumes;
    std::array<std::atomic<unsigned>, kTrackCount> m_channelLimits;
    std::vector<std::uint8_t> m_scratch;
    std::vector<std::int32_t> m_accumulator;
    std::vector<std::unique_ptr<Instance>> m_active;
    std::vector<std::unique_ptr<Instance>> m_pending;
    std::vector<std::unique_ptr<Instance>> m_dropped;
    std::uint32_t m_nextHandle = 0;
    std::atomic<bool> m_enabled{false};
};

} // namespace audio
