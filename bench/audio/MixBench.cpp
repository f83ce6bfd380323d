// The mixer's cost and the output's latency.
//
// MixLoopingVoices: 64 looping 16-bit stereo voices mixed at 44.1 kHz in the portions the mixing
// thread takes (an eighth of the 50 ms queue); one iteration is one second of sound, and the
// counter cpu_ms_per_audio_s is the CPU time that second costs (target: at most 20 ms).
//
// PlayToHeardLatency: an output on a sink that plays its queue at a device's pace; each
// iteration times play() until the mixing thread queues the clip's first sample, plus the sound
// queued ahead of that sample, which is when a listener would hear it (target: at most 60 ms).

#include "audio/AudioMixer.h"
#include "audio/AudioOutput.h"
#include "audio/NullAudioSink.h"

#include "PcmClip.h"
#include "lang/Thread.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <random>
#include <time.h>

namespace {

constexpr audio::AudioFormat kFormat{2, 16, 44100};

/// Half a second of quiet noise, different for each `seed`.
lang::Ref<audio::AudioClip> noiseClip(unsigned seed) {
    std::minstd_rand random(seed);
    std::uniform_int_distribution<int> sample(-2000, 2000);
    std::vector<std::int16_t> samples(kFormat.samplesPerSecond);
    for (auto& value : samples)
        value = static_cast<std::int16_t>(sample(random));
    return testsupport::pcmClip16(samples, 2);
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void MixLoopingVoices(benchmark::State& state) {
    const int voices = static_cast<int>(state.range(0));
    lang::Ref<audio::AudioMixer> mixer(new audio::AudioMixer);
    mixer->setEnabled(true);
    for (int voice = 0; voice < voices; ++voice)
        mixer->play(noiseClip(voice), 0.5f, true, voice % audio::AudioMixer::kTrackCount);
    const int portion = kFormat.bytesPerSecond() / 20 / 8 / kFormat.bytesPerFrame() * kFormat.bytesPerFrame();
    std::vector<std::uint8_t> region(portion);
    const double cpuBefore = threadCpuSeconds();
    for (auto _ : state) {
        for (int mixed = 0; mixed < kFormat.bytesPerSecond(); mixed += portion)
            mixer->fill(region.data(), portion, kFormat);
        benchmark::DoNotOptimize(region.data());
    }
    state.counters["cpu_ms_per_audio_s"] =
        (threadCpuSeconds() - cpuBefore) * 1000 / static_cast<double>(state.iterations());
}
BENCHMARK(MixLoopingVoices)->Arg(64)->Unit(benchmark::kMillisecond);

/// A device playing at real time that notes when the first non-silent sample queued after
/// `arm` will be heard.
class ListeningSink : public audio::AudioSink {
public:
    ListeningSink() : m_device(kFormat) {}

    bool start() override { return m_device.start(); }
    void stop() override { m_device.stop(); }
    int queuedBytes() override { return m_device.queuedBytes(); }
    void queue(const void* bytes, int count) override {
        if (m_armed) {
            const auto* samples = static_cast<const std::uint8_t*>(bytes);
            for (int offset = 0; offset < count; offset += 2) {
                std::int16_t sample;
                std::memcpy(&sample, samples + offset, sizeof sample);
                if (sample != 0) {
                    const double ahead =
                        static_cast<double>(m_device.queuedBytes() + offset) / kFormat.bytesPerSecond();
                    m_heardAt = std::chrono::steady_clock::now() +
                                std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(ahead));
                    m_armed = false;
                    break;
                }
            }
        }
        m_device.queue(bytes, count);
    }

    using Clock = std::chrono::steady_clock;
    /// Watch for the next sound; call only while what is queued is silence.
    void arm() { m_armed = true; }
    bool heard() const { return !m_armed; }
    Clock::time_point heardAt() const { return m_heardAt; }

private:
    audio::NullAudioSink m_device;
    std::atomic<bool> m_armed{false};
    std::atomic<Clock::time_point> m_heardAt{};
};

void PlayToHeardLatency(benchmark::State& state) {
    auto owned = std::make_unique<ListeningSink>();
    ListeningSink& sink = *owned;
    audio::AudioOutput output(kFormat, std::move(owned));
    output.start();
    const auto clip = testsupport::pcmClip16(std::vector<std::int16_t>(441 * 2, 1000), 2); // 10 ms
    std::minstd_rand random(1);
    std::uniform_int_distribution<int> pause(0, 20);
    double worst = 0;
    for (auto _ : state) {
        // Plays come at no fixed phase to the mixing rounds.
        lang::Thread::sleep(pause(random));
        sink.arm();
        const auto played = ListeningSink::Clock::now();
        const int handle = output.play(clip, 1, false, 0);
        while (!sink.heard() || output.isPlaying(handle))
            lang::Thread::sleep(1);
        const double latency = std::chrono::duration<double>(sink.heardAt() - played).count();
        worst = std::max(worst, latency);
        state.SetIterationTime(latency);
    }
    output.stop();
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(PlayToHeardLatency)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

} // namespace
