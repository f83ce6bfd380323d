#pragma once

#include "audio/AudioFormat.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <memory>

namespace audio {

class AudioClip;
class AudioOutputImpl;
class AudioSink;

/// Plays any number of clip instances at once: a mixing thread sums them (`AudioMixer`) and keeps
/// a 50 ms device queue topped up in portions of at least an eighth of it. Forwards every
/// operation to its counted `AudioOutputImpl`. Game thread, except where noted.
class AudioOutput : public lang::Object {
public:
    /// Opens SDL's default playback device in `format`. Raises the format messages of
    /// `checkFormat` or "AudioOutput creation failed".
    explicit AudioOutput(const AudioFormat& format);
    /// Plays into `sink` (a test sink, or `NullAudioSink` for a machine without sound). Raises the
    /// format messages.
    AudioOutput(const AudioFormat& format, std::unique_ptr<AudioSink> sink);
    /// Stops the output and closes the device.
    ~AudioOutput() override;

    /// Starts the device and the mixing thread; true if already running, false if the device
    /// refuses to play.
    bool start();
    /// Stops the mixing thread and the device; nothing if not running.
    void stop();
    bool isRunning() const;

    /// See `AudioMixer::play`: -1 unless the output runs and the track has room.
    int play(lang::Ref<AudioClip> clip, float volume, bool loop, int track);
    void stop(const AudioClip& clip);
    void stop(int handle);
    void stopAll();
    bool isPlaying(const AudioClip& clip) const;
    bool isPlaying(int handle) const;
    void setVolume(const AudioClip& clip, float volume);

    /// Sets the device volume to trunc(volume × 10000 − 10000) hundredths of a decibel (1 is
    /// full, 0 silent) and remembers `volume`. A value outside −10000 … 0 is refused by the device
    /// and leaves the level as it was.
    void setMasterVolume(float volume);
    /// (device volume + 10000) / 10000.
    float getMasterVolume() const;
    void setTrackVolume(float volume, int track);
    float getTrackVolume(int track) const;
    void setChannelCountLimit(int track, unsigned limit);

    const AudioFormat& format() const;

private:
    lang::Ref<AudioOutputImpl> m_impl;
};

/// The output of SDL's default device in `format`; where that device cannot be opened, an output
/// that plays into nothing at a device's pace, after one log line, so the game runs silent
/// instead of failing. Format errors still raise.
lang::Ref<AudioOutput> openAudioOutput(const AudioFormat& format);

} // namespace audio
