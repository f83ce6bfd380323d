#include "audio/AudioOutputImpl.h"

#include "audio/AudioSink.h"
#include "lang/Func.h"
#include "lang/Thread.h"

#include <cmath>
#include <cstring>

namespace audio {

namespace {

constexpr int kSilentVolume = -10000; // hundredths of a decibel
constexpr int kFullVolume = 0;
constexpr int kBuffersPerSecond = 20;  // the queue holds 50 ms
constexpr int kSmallestRoundParts = 8; // mix no less than an eighth of the queue at once

/// 50 ms of `format`, rounded up to whole frames.
int bufferSizeOf(const AudioFormat& format) {
    const int frame = format.bytesPerFrame();
    const int size = format.bytesPerSecond() / kBuffersPerSecond;
    return (size + frame - 1) / frame * frame;
}

/// A level in hundredths of a decibel as a linear factor with 16 fractional bits.
int gainOfLevel(int level) {
    if (level <= kSilentVolume)
        return 0;
    return static_cast<int>(std::lround(std::pow(10.0, level / 2000.0) * AudioOutputImpl::kUnityGain));
}

} // namespace

AudioOutputImpl::AudioOutputImpl(const AudioFormat& format, std::unique_ptr<AudioSink> sink)
    : m_format(format), m_mixer(new AudioMixer), m_sink(std::move(sink)) {
    checkFormat(format, "AudioOutput");
    m_bufferSize = bufferSizeOf(format);
    m_round.resize(m_bufferSize);
}

AudioOutputImpl::~AudioOutputImpl() { stop(); }

bool AudioOutputImpl::start() {
    lang::MutexLock lock(m_startStopMutex);
    if (m_running)
        return true;
    m_running = true;
    m_mixer->setEnabled(true);
    if (!m_sink->start()) {
        // Left running, the output would answer true to the next start and accept plays that no
        // thread ever mixes.
        m_running = false;
        m_mixer->setEnabled(false);
        return false;
    }
    m_thread = new lang::Thread(lang::Func(this, &AudioOutputImpl::run), true);
    // Raising above normal needs privileges on Linux; without them the thread runs at normal.
    m_thread->setPriority(m_thread->getPriority() + 1);
    return true;
}

void AudioOutputImpl::stop() {
    lang::MutexLock lock(m_startStopMutex);
    if (!m_running)
        return;
    m_running = false;
    m_thread = nullptr; // joins
    m_sink->stop();
    m_mixer->setEnabled(false);
}

void AudioOutputImpl::run() {
    while (m_running) {
        lang::Thread::sleep(1);
        mixRound();
    }
}

int AudioOutputImpl::mixRound() {
    int free = m_bufferSize - m_sink->queuedBytes();
    if (free < m_bufferSize / kSmallestRoundParts)
        return 0;
    free -= free % m_format.bytesPerFrame();
    m_mixer->fill(m_round.data(), free, m_format);
    applyMasterVolume(free);
    m_sink->queue(m_round.data(), free);
    return free;
}

void AudioOutputImpl::applyMasterVolume(int bytes) {
    const int gain = m_masterGain;
    if (gain == kUnityGain)
        return;
    std::uint8_t* samples = m_round.data();
    if (m_format.bitsPerSample == 16) {
        for (int offset = 0; offset < bytes; offset += 2) {
            std::int16_t sample;
            std::memcpy(&sample, samples + offset, sizeof sample);
            sample = static_cast<std::int16_t>((sample * gain) >> 16);
            std::memcpy(samples + offset, &sample, sizeof sample);
        }
    } else {
        for (int offset = 0; offset < bytes; offset++)
            samples[offset] = static_cast<std::uint8_t>((((samples[offset] - 128) * gain) >> 16) + 128);
    }
}

void AudioOutputImpl::setMasterVolume(float volume) {
    const float level = std::trunc(volume * 10000.0f - 10000.0f);
    // A device refuses such a level and keeps its own; NaN fails both comparisons.
    if (!(level >= kSilentVolume && level <= kFullVolume))
        return;
    m_deviceVolume = static_cast<int>(level);
    m_masterGain = gainOfLevel(m_deviceVolume);
}

float AudioOutputImpl::getMasterVolume() const {
    return static_cast<float>(m_deviceVolume - kSilentVolume) / static_cast<float>(-kSilentVolume);
}

} // namespace audio
