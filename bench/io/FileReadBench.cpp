// Reads a 10 MB file whole through io::FileInputStream and io::readAll, next to
// "cat FILE > /dev/null" (a process of its own, as a user would time it) and a plain read()
// loop in this process (cat's work without the process start). The last benchmark
// alternates the stream and cat in one loop and reports their ratio as a counter.

#include "io/FileInputStream.h"
#include "io/ReadAll.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kFileSize = 10 * 1024 * 1024;

/// The file read by every benchmark, made once and removed at exit.
class TestFile {
public:
    TestFile()
        : m_path((std::filesystem::temp_directory_path() / ("tumble-io-bench-" + std::to_string(getpid()))).string()) {
        std::vector<char> data(kFileSize);
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>(i * 2654435761u >> 24);
        std::FILE* file = std::fopen(m_path.c_str(), "wb");
        std::fwrite(data.data(), 1, data.size(), file);
        std::fclose(file);
        m_cat = "cat '" + m_path + "' > /dev/null";
    }
    ~TestFile() { std::remove(m_path.c_str()); }

    const std::string& path() const { return m_path; }
    const std::string& catCommand() const { return m_cat; }

private:
    std::string m_path;
    std::string m_cat;
};

const TestFile& testFile() {
    static const TestFile file;
    return file;
}

void readWithStream() {
    io::FileInputStream stream(testFile().path());
    std::vector<uint8_t> bytes = io::readAll(stream);
    if (bytes.size() != kFileSize)
        std::abort();
    benchmark::DoNotOptimize(bytes.data());
}

void runCat() {
    if (std::system(testFile().catCommand().c_str()) != 0)
        std::abort();
}

double secondsOf(void (*action)()) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void FileInputStreamReadAll(benchmark::State& state) {
    for (auto _ : state)
        readWithStream();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}
BENCHMARK(FileInputStreamReadAll)->Unit(benchmark::kMillisecond);

void CatToDevNull(benchmark::State& state) {
    for (auto _ : state)
        runCat();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}
BENCHMARK(CatToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime();

void PlainReadLoop(benchmark::State& state) {
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        const int descriptor = open(testFile().path().c_str(), O_RDONLY);
        size_t total = 0;
        for (ssize_t got; (got = read(descriptor, buffer.data(), buffer.size())) > 0;)
            total += static_cast<size_t>(got);
        close(descriptor);
        if (total != kFileSize)
            std::abort();
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}
BENCHMARK(PlainReadLoop)->Unit(benchmark::kMillisecond);

/// Stream and cat in turns, so that both meet the same machine load; reports
/// stream time / cat time (must stay below 2).
void StreamOverCatRatio(benchmark::State& state) {
    double stream = 0;
    double cat = 0;
    for (auto _ : state) {
        stream += secondsOf(readWithStream);
        cat += secondsOf(runCat);
    }
    state.counters["stream_ms"] = 1000 * stream / static_cast<double>(state.iterations());
    state.counters["cat_ms"] = 1000 * cat / static_cast<double>(state.iterations());
    state.counters["ratio"] = stream / cat;
}
BENCHMARK(StreamOverCatRatio)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

} // namespace
