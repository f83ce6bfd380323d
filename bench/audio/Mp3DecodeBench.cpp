// Decodes a 10-second stereo 44.1 kHz MP3 (made by lame at start) through an AudioClip in the
// mixer's way: 4096-byte reads at a cursor. Reports how many times faster than real time the
// decoding runs, and what a read costs when the decoder has to seek first (two instances of one
// clip far apart, as the mixer reads them in turn).

#include "AudioFiles.h"
#include "WorkingFolder.h"

#include "audio/AudioClip.h"
#include "audio/AudioClipCursor.h"
#include "io/FileInputStream.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 10.0;
constexpr int kPiece = 4096;
constexpr int kBytesPerSecond = kRate * 4;

/// The MP3 every benchmark decodes, in a temporary folder that lives as long as the process.
const std::string& mp3Path() {
    static testsupport::WorkingFolder folder;
    static const std::string path = [] {
        const auto file = folder.path() / "bench.mp3";
        audiotest::writeFile(file, audiotest::lameMp3(folder.path(), 2, kRate, kSeconds));
        return file.string();
    }();
    return path;
}

lang::Ref<audio::AudioClip> openClip() {
    return new audio::AudioClip(new io::FileInputStream(mp3Path()), io::FileType::MP3);
}

void BM_Mp3DecodeWhole(benchmark::State& state) {
    std::vector<std::uint8_t> buffer(kPiece);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const auto clip = openClip();
        audio::AudioClipCursor cursor;
        while (const int got = clip->read(buffer.data(), kPiece, cursor))
            bytes += got;
    }
    state.counters["timesRealTime"] =
        benchmark::Counter(static_cast<double>(bytes) / kBytesPerSecond, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Mp3DecodeWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

/// One read of the two instances per iteration, each at its own place, so each read seeks.
void BM_Mp3ReadAfterSeek(benchmark::State& state) {
    const auto clip = openClip();
    std::vector<std::uint8_t> buffer(kPiece);
    audio::AudioClipCursor early, late;
    late.position = 8 * kBytesPerSecond;
    // Parse the whole file once so the seeks below find every frame in the decoder's index.
    clip->read(buffer.data(), kPiece, late);
    bool useEarly = true;
    for (auto _ : state) {
        audio::AudioClipCursor& cursor = useEarly ? early : late;
        if (clip->read(buffer.data(), kPiece, cursor) == 0)
            cursor.position = useEarly ? 0 : 8 * kBytesPerSecond;
        useEarly = !useEarly;
    }
}
BENCHMARK(BM_Mp3ReadAfterSeek)->Unit(benchmark::kMicrosecond)->UseRealTime();

/// The same reads by one instance alone: no seek, the baseline of the one above.
void BM_Mp3ReadInSequence(benchmark::State& state) {
    const auto clip = openClip();
    std::vector<std::uint8_t> buffer(kPiece);
    audio::AudioClipCursor cursor;
    for (auto _ : state) {
        if (clip->read(buffer.data(), kPiece, cursor) == 0)
            cursor.reset();
    }
}
BENCHMARK(BM_Mp3ReadInSequence)->Unit(benchmark::kMicrosecond)->UseRealTime();

/// Opening a clip and reading first at 9 seconds: the decoder has not yet seen the frames in
/// between and must walk through them.
void BM_Mp3OpenAndReadFar(benchmark::State& state) {
    std::vector<std::uint8_t> buffer(kPiece);
    for (auto _ : state) {
        const auto clip = openClip();
        audio::AudioClipCursor cursor;
        cursor.position = 9 * kBytesPerSecond;
        benchmark::DoNotOptimize(clip->read(buffer.data(), kPiece, cursor));
    }
}
BENCHMARK(BM_Mp3OpenAndReadFar)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
