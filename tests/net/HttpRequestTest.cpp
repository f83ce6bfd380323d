// Requests against a server on the loopback interface: what a response keeps, and how a
// request fails, gives up or is abandoned.
#include "FailureOf.h"
#include "LoopbackHttpServer.h"
#include "ScopedEnvironment.h"
#include "io/ReadAll.h"
#include "net/HttpFileInputStream.h"
#include "net/HttpRequestException.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testsupport::CannedResponse;
using testsupport::LoopbackHttpServer;

/// No proxy for the loopback server, whatever the machine's environment says.
net::HttpRequest& direct(net::HttpRequest& request) {
    request.setNoProxyHosts("127.0.0.1");
    return request;
}

/// How long `call` takes.
template <class Call> std::chrono::milliseconds durationOf(Call call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

TEST(HttpRequestTest, ARedirectEndsAtItsTargetWithOnlyTheTargetsHeadersAndAllCookies) {
    const LoopbackHttpServer server([](const std::string& path) {
        if (path == "/start")
            return CannedResponse{302, {"Location: /final", "X-Hop: first", "Set-Cookie: hop=1"}, "moved", false};
        return CannedResponse{200, {"X-Hop: final", "Set-Cookie: end=2"}, "done", false};
    });
    net::HttpRequest request;
    const net::HttpResponse response = direct(request).get(server.url("/start"));

    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.body, "done");
    EXPECT_EQ(response.effectiveUrl, server.url("/final"));
    std::string headers;
    for (const std::string& line : response.headers)
        headers += line + "|";
    EXPECT_EQ(headers, "HTTP/1.1 200 Canned|X-Hop: final|Set-Cookie: end=2|Content-Length: 4|Connection: close|");
    std::string cookies;
    for (const std::string& line : response.cookies)
        cookies += line.substr(line.rfind('\t', line.rfind('\t') - 1) + 1) + "|";
    EXPECT_EQ(cookies, "hop\t1|end\t2|");
}

TEST(HttpRequestTest, ARemoteFileReadsAnErrorPageAndKeepsItsStatusAndAddress) {
    const LoopbackHttpServer server([](const std::string&) { return CannedResponse{404, {}, "not here", false}; });
    net::HttpRequest request;
    net::HttpFileInputStream file(server.url("/missing.txt"), direct(request));
    EXPECT_EQ(file.status(), 404);
    EXPECT_EQ(file.toString(), server.url("/missing.txt"));
    const std::vector<uint8_t> body = io::readAll(file);
    EXPECT_EQ(std::string(body.begin(), body.end()), "not here");
}

TEST(HttpRequestTest, FailedTransfersRaiseLibcurlsText) {
    net::HttpRequest request;
    EXPECT_EQ(testsupport::failureOf(
                  [&] { net::HttpFileInputStream file(LoopbackHttpServer::refusingUrl("/"), direct(request)); }),
              "Couldn't connect to server");
    EXPECT_EQ(testsupport::failureOf([] { net::HttpFileInputStream file("file:///etc/hostname"); }),
              "Unsupported protocol");
    const LoopbackHttpServer looping([](const std::string&) {
        return CannedResponse{302, {"Location: /again"}, "", false};
    });
    EXPECT_EQ(testsupport::failureOf([&] { request.get(looping.url("/again")); }),
              "Number of redirects hit maximum amount");
    EXPECT_EQ(looping.requestedPaths().size(), 21u);

    // A server that takes the request and never answers is given up at the total time-out.
    const LoopbackHttpServer silent([](const std::string&) { return CannedResponse{200, {}, "", true}; });
    request.setTimeouts(1000ms, 150ms);
    std::string failure;
    const auto waited = durationOf([&] { failure = testsupport::failureOf([&] { request.get(silent.url("/")); }); });
    EXPECT_EQ(failure, "Timeout was reached");
    EXPECT_GE(waited, 150ms);
    EXPECT_LT(waited, 1000ms);
}

TEST(HttpRequestTest, TheAbandonFlagStopsASilentRequestLongBeforeItsTimeOut) {
    const LoopbackHttpServer silent([](const std::string&) { return CannedResponse{200, {}, "", true}; });
    std::atomic<bool> abandon = false;
    net::HttpRequest request;
    direct(request).setTimeouts(10s, 10s);
    request.setAbandonFlag(&abandon);
    std::thread shutDown([&] {
        std::this_thread::sleep_for(50ms);
        abandon = true;
    });
    std::string failure;
    const auto waited = durationOf([&] { failure = testsupport::failureOf([&] { request.get(silent.url("/")); }); });
    shutDown.join();
    EXPECT_EQ(failure, "Operation was aborted by an application callback");
    EXPECT_LT(waited, 1500ms);

    // After that, no request even reaches the server.
    EXPECT_EQ(testsupport::failureOf([&] { request.get(silent.url("/later")); }), failure);
    EXPECT_EQ(silent.requestedPaths(), std::vector<std::string>{"/"});
}

} // namespace
