#include "audio/NullAudioSink.h"

#include <algorithm>

namespace audio {

NullAudioSink::NullAudioSink(const AudioFormat& format) : m_bytesPerSecond(format.bytesPerSecond()) {}

bool NullAudioSink::start() {
    m_started = true;
    m_lastDrain = std::chrono::steady_clock::now();
    return true;
}

void NullAudioSink::stop() {
    m_started = false;
    m_queued = 0;
}

int NullAudioSink::queuedBytes() {
    drain();
    return static_cast<int>(m_queued);
}

void NullAudioSink::queue(const void*, int count) {
    drain();
    m_queued += count;
}

void NullAudioSink::drain() {
    const auto now = std::chrono::steady_clock::now();
    if (m_started && m_queued > 0) {
        const double seconds = std::chrono::duration<double>(now - m_lastDrain).count();
        const auto played = static_cast<long long>(std::min(seconds * m_bytesPerSecond, static_cast<double>(m_queued)));
        m_queued -= played;
        if (m_queued > 0) {
            // Advance by the whole bytes played only, so that the fractions of bytes add up.
            const std::chrono::duration<double> playedTime(static_cast<double>(played) / m_bytesPerSecond);
            m_lastDrain += std::chrono::duration_cast<std::chrono::steady_clock::duration>(playedTime);
            return;
        }
    }
    m_lastDrain = now;
}

} // namespace audio
