#include "lang/Format.h"

#include <benchmark/benchmark.h>

namespace {

// A typical error message: a path, an error number and a number specification.
void formatThreePlaceholders(benchmark::State& state) {
    const lang::Format format("Failed to open {0} for writing with errno {1} after {2,#.##} s", "/tmp/save.lua", 13,
                              0.125);
    for (auto _ : state)
        benchmark::DoNotOptimize(format.toString());
}
BENCHMARK(formatThreePlaceholders);

} // namespace
