// The registry's sounds: the output and input devices and the clips kept by name.
#include "game/Resources.h"

#include "audio/AudioClip.h"
#include "audio/AudioInput.h"
#include "audio/AudioOutput.h"
#include "audio/AudioReader.h"
#include "audio/CompositeAudioClip.h"
#include "audio/MutedAudioSink.h"
#include "io/BundleInputStream.h"
#include "io/FileType.h"
#include "io/IOException.h"
#include "lang/Exception.h"
#include "lang/Format.h"

namespace game {

void Resources::createAudioOutput(const audio::AudioFormat& format) {
    // The old device goes first: two outputs may not hold the sound device at once.
    m_audioOutput = nullptr;
    m_audioOutput = m_muted ? new audio::AudioOutput(format, std::make_unique<audio::MutedAudioSink>())
                            : audio::openAudioOutput(format);
}

void Resources::createAudioInput(const audio::AudioFormat& format) {
    m_audioInput = nullptr;
    m_audioInput = new audio::AudioInput(format);
}

void Resources::createAudio(const std::string& file, const std::string& name, bool streamed) {
    audio::AudioOutput& output = outputFor("create audio");
    const std::string path = resolve(file);
    lang::Ref<io::InputStream> stream(new io::BundleInputStream(path));
    const io::FileType kind = io::getFileType(path);
    // Raw PCM has no header to take its format from: a file of any other kind would play as noise.
    if (kind != io::FileType::WAV && kind != io::FileType::MP3)
        throw io::IOException(lang::Format("Unsupported audio file format while reading {0}", stream->toString()));
    lang::Ref<audio::AudioClip> clip;
    if (streamed) {
        clip = new audio::AudioClip(stream, kind);
    } else {
        audio::AudioReader reader(stream, kind);
        clip = audio::loadClip(reader);
    }
    if (audio::AudioClip* old = findClip(name))
        output.stop(*old);
    m_audioClips[name] = clip;
}

void Resources::createCompositeAudio(const std::string& name, const std::vector<std::string>& members) {
    std::vector<lang::Ref<audio::AudioClip>> clips;
    for (const std::string& member : members) {
        if (audio::AudioClip* clip = findClip(member))
            clips.emplace_back(clip);
    }
    m_audioClips[name] = new audio::CompositeAudioClip(std::move(clips));
}

void Resources::releaseAudio(const std::string& name) {
    const auto found = m_audioClips.find(name);
    if (found == m_audioClips.end())
        return;
    if (m_audioOutput)
        m_audioOutput->stop(*found->second);
    m_audioClips.erase(found);
}

int Resources::playAudio(const std::string& name, float volume, bool loop, int track) {
    audio::AudioOutput& output = outputFor("play audio clip");
    audio::AudioClip* clip = findClip(name);
    return clip ? output.play(clip, volume, loop, track) : -1;
}

void Resources::stopAudio(const std::string& name) {
    audio::AudioOutput& output = outputFor("stop audio clip");
    if (audio::AudioClip* clip = findClip(name))
        output.stop(*clip);
}

void Resources::stopAllAudio() { outputFor("stop all audio clips").stopAll(); }

bool Resources::isAudioPlaying(int handle) const { return m_audioOutput && m_audioOutput->isPlaying(handle); }

bool Resources::isAudioPlaying(const std::string& name) const {
    const audio::AudioClip* clip = findClip(name);
    return m_audioOutput && clip && m_audioOutput->isPlaying(*clip);
}

void Resources::setAudioVolume(const std::string& name, float volume) {
    const audio::AudioClip* clip = findClip(name);
    if (m_audioOutput && clip)
        m_audioOutput->setVolume(*clip, volume);
}

void Resources::startAudioOutput() { outputFor("start audio output").start(); }

void Resources::stopAudioOutput() {
    if (m_audioOutput)
        m_audioOutput->stop();
}

void Resources::startAudioInput() {
    if (!m_audioInput)
        throw lang::Exception(lang::Format("Trying to start audio input but no audio input has been created"));
    m_audioInput->start();
}

void Resources::stopAudioInput() {
    if (m_audioInput)
        m_audioInput->stop();
}

void Resources::setMasterVolume(float volume) {
    if (m_audioOutput)
        m_audioOutput->setMasterVolume(volume);
}

void Resources::setTrackVolume(float volume, int track) { outputFor("set track volume").setTrackVolume(volume, track); }

float Resources::getTrackVolume(int track) const { return outputFor("get track volume").getTrackVolume(track); }

audio::AudioOutput& Resources::outputFor(const char* purpose) const {
    if (!m_audioOutput)
        throw lang::Exception(lang::Format("Trying to {0} but no audio output has been created", purpose));
    return *m_audioOutput;
}

audio::AudioClip* Resources::findClip(const std::string& name) const {
    const auto found = m_audioClips.find(name);
    return found == m_audioClips.end() ? nullptr : found->second.get();
}

} // namespace game
