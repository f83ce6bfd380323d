// The network's figure: a frame of the game while a worker thread downloads, next to the same
// frame without a download. Requests block only the thread that makes them, so the frame must
// not slow down beyond what sharing the processor costs.
#include "LoopbackHttpServer.h"
#include "WeightlessGame.h"
#include "lang/Func.h"
#include "lang/Thread.h"
#include "net/HttpRequest.h"
#include "net/HttpRequestException.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>

namespace {

/// Downloads one address over and over on a thread of its own until it goes.
class Downloader {
public:
    explicit Downloader(std::string url) : m_url(std::move(url)) {
        m_thread = std::make_unique<lang::Thread>(lang::Func1<Downloader>(this, &Downloader::run), true);
    }
    ~Downloader() {
        m_stop = true;
        m_thread.reset();
    }

    /// Whole downloads so far.
    int downloads() const { return m_downloads; }

private:
    void run() {
        net::HttpRequest request;
        request.setNoProxyHosts("127.0.0.1");
        request.setAbandonFlag(&m_stop);
        while (!m_stop) {
            try {
                request.get(m_url);
                ++m_downloads;
            } catch (const net::HttpRequestException&) {
                // Abandoned at the end of the figure.
            }
        }
    }

    std::string m_url;
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_downloads = 0;
    std::unique_ptr<lang::Thread> m_thread;
};

/// One frame with one physics step of 200 boxes drifting apart in a weightless world; with
/// argument 1 a worker thread downloads 1 MB from a loopback server in a loop meanwhile.
void BM_FrameWhileDownloading(benchmark::State& state) {
    WeightlessGame world;
    world.harness.run(R"(
        for i = 0, 199 do
            local name = 'block' .. i
            createBox(name, '', (i % 20) * 3, math.floor(i / 20) * 3, 1, 1, 1, 0.5, 0, true, false, 0)
            setVelocity(name, 1, 0)
        end)");
    const std::string megabyte(1 << 20, 'x');
    const testsupport::LoopbackHttpServer server([&](const std::string&) {
        return testsupport::CannedResponse{200, {}, megabyte, false};
    });
    std::unique_ptr<Downloader> downloader;
    if (state.range(0) != 0)
        downloader = std::make_unique<Downloader>(server.url("/file"));
    for (auto _ : state)
        world.game.update(GameLua::kStep);
    if (downloader)
        state.counters["downloads"] = benchmark::Counter(downloader->downloads(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FrameWhileDownloading)->ArgName("download")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
