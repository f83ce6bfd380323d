#pragma once

#include "audio/AudioFormat.h"
#include "audio/AudioSink.h"

#include <chrono>

namespace audio {

/// A sink that plays into nothing at the pace of a real device of `format`: queued bytes drain
/// with the clock while started, so clips end and handles stop playing when they would have been
/// heard. The output of a machine whose sound device cannot be opened.
class NullAudioSink : public AudioSink {
public:
    explicit NullAudioSink(const AudioFormat& format);

    bool start() override;
    void stop() override;
    int queuedBytes() override;
    void queue(const void* bytes, int count) override;

private:
    /// Drops the bytes the clock says were played since the last look.
    void drain();

    int m_bytesPerSecond;
    bool m_started = false;
    long long m_queued = 0;
    std::chrono::steady_clock::time_point m_lastDrain;
};

} // namespace audio
