#include "audio/AudioMixer.h"

#include "audio/AudioClip.h"
#include "audio/AudioClipCursor.h"
#include "lang/Exception.h"
#include "lang/Log.h"

#include <algorithm>
#include <cstring>

namespace audio {

namespace {

// Volume products above this are heard at it: the 32-bit sums of many instances stay far from
// overflowing, and a wild volume from a script cannot make the gain conversion undefined.
constexpr float kMaxVolume = 16.0f;
// Fixed-point ones of the gains: 12 fractional bits for 16-bit output, 8 for 8-bit.
constexpr int kGainShift16 = 12;
constexpr int kGainShift8 = 8;

/// trunc(trackVolume × volume × 2^shift); NaN and negative products give 0.
int fixedGain(float trackVolume, float volume, int shift) {
    const float product = trackVolume * volume;
    if (!(product > 0.0f))
        return 0;
    return static_cast<int>(std::min(product, kMaxVolume) * static_cast<float>(1 << shift));
}

std::int32_t loadSample16(const std::uint8_t* bytes) {
    std::int16_t sample;
    std::memcpy(&sample, bytes, sizeof sample);
    return sample;
}

} // namespace

/// One play of one clip. The mixing thread reads `volume` and `stopped` without the mutex while
/// the game thread may write them; the other fields never change after the play.
struct AudioMixer::Instance {
    Instance(lang::Ref<AudioClip> clip, float volume, bool loop, std::uint32_t handle, std::uint32_t track)
        : clip(std::move(clip)), cursor(new AudioClipCursor), volume(volume), handle(handle), track(track), loop(loop) {
    }

    lang::Ref<AudioClip> clip;
    lang::Ref<AudioClipCursor> cursor;
    std::atomic<float> volume;
    const std::uint32_t handle;
    const std::uint32_t track;
    const bool loop;
    std::atomic<bool> stopped{false};
};

AudioMixer::AudioMixer() {
    for (auto& volume : m_trackVolumes)
        volume = 1.0f;
    for (auto& limit : m_channelLimits)
        limit = kNoLimit;
}

AudioMixer::~AudioMixer() = default;

void AudioMixer::checkTrack(int track) {
    if (track < 0 || track >= kTrackCount)
        throw lang::Exception(lang::Format("Track {0} out of bounds! Range [0-{1}]", track, kTrackCount - 1));
}

template <class Visit> void AudioMixer::forEachInstance(Visit visit) const {
    for (const auto& instance : m_active)
        visit(*instance);
    for (const auto& instance : m_pending)
        visit(*instance);
}

unsigned AudioMixer::instancesOnTrack(int track) const {
    unsigned count = 0;
    forEachInstance([&](const Instance& instance) {
        if (instance.track == static_cast<std::uint32_t>(track) && !instance.stopped)
            ++count;
    });
    return count;
}

void AudioMixer::releaseDropped() { m_dropped.clear(); }

int AudioMixer::play(lang::Ref<AudioClip> clip, float volume, bool loop, int track) {
    checkTrack(track);
    lang::MutexLock lock(m_mutex);
    releaseDropped();
    // The count and the append share one lock, so two threads cannot both take the last place.
    if (!clip || !m_enabled || instancesOnTrack(track) >= m_channelLimits[track])
        return -1;
    const std::uint32_t handle = m_nextHandle++;
    m_pending.push_back(std::make_unique<Instance>(std::move(clip), volume, loop, handle, track));
    return static_cast<int>(handle);
}

void AudioMixer::stop(const AudioClip& clip) {
    lang::MutexLock lock(m_mutex);
    releaseDropped();
    forEachInstance([&](Instance& instance) {
        if (instance.clip.get() == &clip)
            instance.stopped = true;
    });
}

void AudioMixer::stop(int handle) {
    lang::MutexLock lock(m_mutex);
    releaseDropped();
    forEachInstance([&](Instance& instance) {
        if (instance.handle == static_cast<std::uint32_t>(handle))
            instance.stopped = true;
    });
}

void AudioMixer::stopAll() {
    lang::MutexLock lock(m_mutex);
    releaseDropped();
    forEachInstance([](Instance& instance) { instance.stopped = true; });
}

bool AudioMixer::isPlaying(const AudioClip& clip) const {
    lang::MutexLock lock(m_mutex);
    bool playing = false;
    forEachInstance([&](const Instance& instance) { playing |= instance.clip.get() == &clip && !instance.stopped; });
    return playing;
}

bool AudioMixer::isPlaying(int handle) const {
    lang::MutexLock lock(m_mutex);
    bool playing = false;
    forEachInstance([&](const Instance& instance) {
        playing |= instance.handle == static_cast<std::uint32_t>(handle) && !instance.stopped;
    });
    return playing;
}

void AudioMixer::setVolume(const AudioClip& clip, float volume) {
    lang::MutexLock lock(m_mutex);
    releaseDropped();
    forEachInstance([&](Instance& instance) {
        if (instance.clip.get() == &clip)
            instance.volume = volume;
    });
}

void AudioMixer::setTrackVolume(float volume, int track) {
    checkTrack(track);
    m_trackVolumes[track] = volume > 0.0f ? std::min(volume, 1.0f) : 0.0f;
}

float AudioMixer::getTrackVolume(int track) const {
    checkTrack(track);
    return m_trackVolumes[track];
}

void AudioMixer::setChannelCountLimit(int track, unsigned limit) {
    checkTrack(track);
    m_channelLimits[track] = limit;
}

std::size_t AudioMixer::instanceCount() const {
    lang::MutexLock lock(m_mutex);
    return m_active.size() + m_pending.size();
}

void AudioMixer::admitAndPrune() {
    lang::MutexLock lock(m_mutex);
    for (auto& instance : m_pending)
        m_active.push_back(std::move(instance));
    m_pending.clear();
    std::size_t kept = 0;
    for (std::size_t index = 0; index < m_active.size(); ++index) {
        if (m_active[index]->stopped)
            m_dropped.push_back(std::move(m_active[index]));
        else if (kept++ != index)
            m_active[kept - 1] = std::move(m_active[index]);
    }
    m_active.resize(kept);
}

int AudioMixer::readInstance(Instance& instance, int wanted) {
    int read = 0;
    // A looping clip that yields nothing right after a restart never will: stop it rather than
    // spin in the mixing thread.
    bool restarted = false;
    while (read < wanted) {
        int count = 0;
        try {
            count = instance.clip->read(m_scratch.data() + read, wanted - read, *instance.cursor);
        } catch (const std::exception& e) {
            // An exception leaving the mixing thread would end the process: a streamed clip whose
            // file fails under it falls silent instead.
            LOG_ERROR("Audio", "A clip failed to read and stopped playing: %s", e.what());
            instance.stopped = true;
            break;
        }
        if (count > 0) {
            read += std::min(count, wanted - read);
            restarted = false;
        } else if (instance.loop && !restarted) {
            instance.cursor->reset();
            restarted = true;
            continue;
        } else {
            instance.stopped = true;
            break;
        }
        if (!instance.loop)
            break;
    }
    return read;
}

void AudioMixer::sum16(Instance& instance, int bytes, int outputChannels) {
    const bool duplicate = outputChannels == 2 && instance.clip->channels() == 1;
    const int read = readInstance(instance, duplicate ? bytes / 2 : bytes);
    const int gain = fixedGain(m_trackVolumes[instance.track], instance.volume, kGainShift16);
    if (gain < 1)
        return;
    const std::uint8_t* samples = m_scratch.data();
    std::int32_t* accumulator = m_accumulator.data();
    const int count = read / 2;
    if (duplicate) {
        for (int index = 0; index < count; ++index) {
            const std::int32_t scaled = (loadSample16(samples + 2 * index) * gain) >> kGainShift16;
            accumulator[2 * index] += scaled;
            accumulator[2 * index + 1] += scaled;
        }
    } else {
        for (int index = 0; index < count; ++index)
            accumulator[index] += (loadSample16(samples + 2 * index) * gain) >> kGainShift16;
    }
}

void AudioMixer::sum8(Instance& instance, int bytes) {
    const int read = readInstance(instance, bytes);
    const int gain = fixedGain(m_trackVolumes[instance.track], instance.volume, kGainShift8);
    if (gain < 1)
        return;
    const std::uint8_t* samples = m_scratch.data();
    std::int32_t* accumulator = m_accumulator.data();
    for (int index = 0; index < read; ++index)
        accumulator[index] += ((samples[index] - 128) * gain) >> kGainShift8;
}

void AudioMixer::fill(void* region, int bytes, const AudioFormat& format) {
    const bool wide = format.bitsPerSample == 16;
    const int entries = wide ? bytes / 2 : bytes;
    if (m_scratch.size() < static_cast<std::size_t>(bytes))
        m_scratch.resize(bytes);
    if (m_accumulator.size() < static_cast<std::size_t>(entries))
        m_accumulator.resize(entries);
    std::fill_n(m_accumulator.begin(), entries, 0);

    admitAndPrune();
    // Only this thread changes the active list, so walking it needs no lock.
    for (const auto& instance : m_active) {
        if (instance->stopped)
            continue;
        if (wide)
            sum16(*instance, bytes, format.channels);
        else
            sum8(*instance, bytes);
    }

    auto* out = static_cast<std::uint8_t*>(region);
    if (wide) {
        for (int index = 0; index < entries; ++index) {
            const auto sample = static_cast<std::int16_t>(std::clamp(m_accumulator[index], -32768, 32767));
            std::memcpy(out + 2 * index, &sample, sizeof sample);
        }
    } else {
        for (int index = 0; index < entries; ++index)
            out[index] = static_cast<std::uint8_t>(std::clamp(m_accumulator[index] + 128, 0, 255));
    }
}

} // namespace audio
