#pragma once

#include "audio/AudioFormat.h"
#include "audio/AudioSink.h"

#include <cstdint>

namespace audio {

/// SDL's default playback device opened without a callback: mixed bytes are queued with
/// `SDL_QueueAudio`. Holds SDL's audio subsystem while it exists.
class SdlAudioSink : public AudioSink {
public:
    /// Opens the device in exactly `format` (SDL converts if the hardware differs). Raises
    /// `lang::Exception` "AudioOutput creation failed" and logs SDL's reason when the subsystem or
    /// the device cannot be opened.
    explicit SdlAudioSink(const AudioFormat& format);
    ~SdlAudioSink() override;
    SdlAudioSink(const SdlAudioSink&) = delete;
    SdlAudioSink& operator=(const SdlAudioSink&) = delete;

    bool start() override;
    void stop() override;
    int queuedBytes() override;
    void queue(const void* bytes, int count) override;

private:
    std::uint32_t m_device = 0;
};

} // namespace audio
