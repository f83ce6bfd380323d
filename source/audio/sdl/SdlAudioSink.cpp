#include "audio/sdl/SdlAudioSink.h"

#include "lang/Exception.h"
#include "lang/Log.h"

#include <SDL.h>

namespace audio {

namespace {

// SDL's own period should be well inside the 50 ms queue the output keeps (here at most an
// eighth of it, 6.25 ms, rounded down to a power of two), so that the queue never runs dry
// while the device takes one period from it.
Uint16 periodFrames(int samplesPerSecond) {
    Uint16 frames = 64;
    while (frames * 2 <= samplesPerSecond / 160)
        frames *= 2;
    return frames;
}

/// Logs SDL's reason, releases the audio subsystem when it was taken, and raises.
[[noreturn]] void fail(const char* call, bool subsystemTaken) {
    LOG_ERROR("Audio", "%s failed: %s", call, SDL_GetError());
    if (subsystemTaken)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    throw lang::Exception(lang::Format("AudioOutput creation failed"));
}

} // namespace

SdlAudioSink::SdlAudioSink(const AudioFormat& format) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        fail("SDL_InitSubSystem", false);
    SDL_AudioSpec wanted{};
    wanted.freq = format.samplesPerSecond;
    wanted.format = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = periodFrames(format.samplesPerSecond);
    wanted.callback = nullptr; // the mixing thread queues
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware plays.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0)
        fail("SDL_OpenAudioDevice", true);
}

SdlAudioSink::~SdlAudioSink() {
    SDL_CloseAudioDevice(m_device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioSink::start() {
    SDL_PauseAudioDevice(m_device, 0);
    return SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_PLAYING;
}

void SdlAudioSink::stop() {
    SDL_PauseAudioDevice(m_device, 1);
    SDL_ClearQueuedAudio(m_device);
}

int SdlAudioSink::queuedBytes() { return static_cast<int>(SDL_GetQueuedAudioSize(m_device)); }

void SdlAudioSink::queue(const void* bytes, int count) {
    // Fails only for a closed device or no memory; the next round tries again with the queue's
    // true fill.
    SDL_QueueAudio(m_device, bytes, static_cast<Uint32>(count));
}

} // namespace audio
