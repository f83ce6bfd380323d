#pragma once

#include "audio/AudioSink.h"

namespace audio {

/// A sink that refuses to start: an output on it never runs, so it takes no plays (-1) and no
/// clip ever plays on it, whatever the time. The output of runs whose results must not depend
/// on a sound device's timing (record and replay runs).
class MutedAudioSink : public AudioSink {
public:
    bool start() override { return false; }
    void stop() override {}
    int queuedBytes() override { return 0; }
    void queue(const void*, int) override {}
};

} // namespace audio
