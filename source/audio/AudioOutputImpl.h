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
    /// Checks `format` and takes `sink`; the buffer holds 50 ms of it (whole frames).
    AudioOutputImpl(const AudioFormat& format, std::unique_ptr<AudioSink> sink);
    ~AudioOutputImpl() override;

    bool start();
    void stop();
    bool isRunning() const { return m_running; }

    AudioMixer& mixer() { return *m_mixer; }
    const AudioMixer& mixer() const { return *m_mixer; }
    const AudioFormat& format() const { return m_format; }
    /// Bytes of the device queue the mixing thread keeps filled.
    int bufferSize() const { return m_bufferSize; }

    void setMasterVolume(float volume);
    float getMasterVolume() const;

    /// Mixing thread, one round: when the device queue has room for at least an eighth of the
    /// buffer, mixes that much (whole frames), applies the master volume and queues it. Returns
    /// the bytes queued (0 when there was no room).
    int mixRound();

private:
    /// The mixing thread's body: a round every millisecond while running.
    void run();
    /// Scales the mixed samples of `bytes` in `m_round` by the master volume.
    void applyMasterVolume(int bytes);

    AudioFormat m_format;
    lang::Ref<AudioMixer> m_mixer;
    std::unique_ptr<AudioSink> m_sink;
    lang::Ref<lang::Thread> m_thread;
    lang::Mutex m_startStopMutex;
    float m_masterVolume = 1.0f;
    /// Hundredths of a decibel, −10000 (silent) to 0 (full).
    std::atomic<int> m_deviceVolume{0};
    int m_bufferSize = 0;
    std::vector<std::uint8_t> m_round;
    std::atomic<bool> m_running{false};
};

} // namespace audio
