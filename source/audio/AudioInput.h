#pragma once

#include "audio/AudioFormat.h"
#include "lang/Object.h"

namespace audio {

/// The capture device. On this platform it checks its format and captures nothing: start answers
/// true and stop does nothing.
class AudioInput : public lang::Object {
public:
    /// Raises `checkFormat`'s messages with "AudioInput".
    explicit AudioInput(const AudioFormat& format);
    ~AudioInput() override;

    /// Captures nothing; answers true.
    bool start();
    /// Nothing to stop.
    void stop();
    /// The format given at construction.
    const AudioFormat& format() const { return m_format; }

private:
    AudioFormat m_format;
};

} // namespace audio
