#include "audio/AudioOutput.h"

#include "audio/AudioClip.h"
#include "audio/AudioOutputImpl.h"
#include "audio/NullAudioSink.h"
#include "audio/sdl/SdlAudioSink.h"
#include "lang/Exception.h"
#include "lang/Log.h"

namespace audio {

namespace {

/// The device is opened only for a valid format, so that a bad format raises its own message
/// rather than the device's.
std::unique_ptr<AudioSink> openDevice(const AudioFormat& format) {
    checkFormat(format, "AudioOutput");
    return std::make_unique<SdlAudioSink>(format);
}

} // namespace

AudioOutput::AudioOutput(const AudioFormat& format) : m_impl(new AudioOutputImpl(format, openDevice(format))) {}

AudioOutput::AudioOutput(const AudioFormat& format, std::unique_ptr<AudioSink> sink)
    : m_impl(new AudioOutputImpl(format, std::move(sink))) {}

AudioOutput::~AudioOutput() = default;

bool AudioOutput::start() { return m_impl->start(); }
void AudioOutput::stop() { m_impl->stop(); }
bool AudioOutput::isRunning() const { return m_impl->isRunning(); }

int AudioOutput::play(lang::Ref<AudioClip> clip, float volume, bool loop, int track) {
    return m_impl->mixer().play(std::move(clip), volume, loop, track);
}
void AudioOutput::stop(const AudioClip& clip) { m_impl->mixer().stop(clip); }
void AudioOutput::stop(int handle) { m_impl->mixer().stop(handle); }
void AudioOutput::stopAll() { m_impl->mixer().stopAll(); }
bool AudioOutput::isPlaying(const AudioClip& clip) const { return m_impl->mixer().isPlaying(clip); }
bool AudioOutput::isPlaying(int handle) const { return m_impl->mixer().isPlaying(handle); }
void AudioOutput::setVolume(const AudioClip& clip, float volume) { m_impl->mixer().setVolume(clip, volume); }

void AudioOutput::setMasterVolume(float volume) { m_impl->setMasterVolume(volume); }
float AudioOutput::getMasterVolume() const { return m_impl->getMasterVolume(); }
void AudioOutput::setTrackVolume(float volume, int track) { m_impl->mixer().setTrackVolume(volume, track); }
float AudioOutput::getTrackVolume(int track) const { return m_impl->mixer().getTrackVolume(track); }
void AudioOutput::setChannelCountLimit(int track, unsigned limit) {
    m_impl->mixer().setChannelCountLimit(track, limit);
}

const AudioFormat& AudioOutput::format() const { return m_impl->format(); }

lang::Ref<AudioOutput> openAudioOutput(const AudioFormat& format) {
    checkFormat(format, "AudioOutput");
    try {
        return lang::Ref<AudioOutput>(new AudioOutput(format));
    } catch (const lang::Exception& e) {
        LOG_WARNING("Audio", "No sound device (%s): the game runs silent", e.what());
        return lang::Ref<AudioOutput>(new AudioOutput(format, std::make_unique<NullAudioSink>(format)));
    }
}

} // namespace audio
