#pragma once

#include "audio/AudioFormat.h"
#include "audio/AudioMixer.h"
#include "lang/Mutex.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace lang {
class Thread;
}

namespace audio {

class AudioSink;

/// The working part of `AudioOutput`: the format, the mixer, the sink, the mixing thread and the
/// master volume.
class AudioOutputImpl : public lang::Object {
public:
    /// The master gain that leaves samples unchanged (1.0 with 16 fractional bits).
    static constexpr int kUnityGain = 1 << 16;

    /// Checks `format` and takes `sink`; the buffer holds 50 ms of it (whole frames).
    AudioOutputImpl(const AudioFormat& format, std::unique_ptr<AudioSink> sink);
    ~AudioOutputImpl() override;

    /// Starts the sink and the mixing thread; true if already running. False, with the output
    /// left stopped, when the sink refuses to play.
    bool start();
    /// Stops the mixing thread (waiting for it) and the sink; nothing if not running.
    void stop();
    bool isRunning() const { return m_running; }

    AudioMixer& mixer() { return *m_mixer; }
    const AudioMixer& mixer() const { return *m_mixer; }
    const AudioFormat& format() const { return m_format; }
    /// Bytes of the device queue the mixing thread keeps filled.
    int bufferSize() const { return m_bufferSize; }

    /// Sets the device volume to trunc(volume × 10000 − 10000) hundredths of a decibel; a result
    /// outside −10000 … 0 (or NaN) is refused and the level stays.
    void setMasterVolume(float volume);
    /// (device volume + 10000) / 10000.
    float getMasterVolume() const;

    /// Mixing thread, one round: when the device queue has room for at least an eighth of the
    /// buffer, mixes that much (whole frames), applies the master volume and queues it. Returns
    /// the bytes queued (0 when there was no room).
    int mixRound();

private:
    /// The mixing thread's body: a round every millisecond while running.
    void run();
    /// Scales the first `bytes` of mixed samples in `m_round` by the master gain.
    void applyMasterVolume(int bytes);

    AudioFormat m_format;
    lang::Ref<AudioMixer> m_mixer;
    std::unique_ptr<AudioSink> m_sink;
    lang::Ref<lang::Thread> m_thread;
    lang::Mutex m_startStopMutex;
    /// Hundredths of a decibel, −10000 (silent) to 0 (full).
    std::atomic<int> m_deviceVolume{0};
    /// The device volume as a linear factor with 16 fractional bits, worked out once per change
    /// so that the mixing thread multiplies integers only.
    std::atomic<int> m_masterGain{kUnityGain};
    int m_bufferSize = 0;
    std::vector<std::uint8_t> m_round;
    std::atomic<bool> m_running{false};
};

} // namespace audio
