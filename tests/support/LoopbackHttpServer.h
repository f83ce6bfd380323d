#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

/// What the test server answers to one request.
struct CannedResponse {
    int status = 200;
    /// Extra header lines ("Name: value"); Content-Length and Connection are added.
    std::vector<std::string> headers;
    std::string body;
    /// Accepts the request and never answers, until the server stops.
    bool silent = false;
};

/// An HTTP/1.1 server on 127.0.0.1 at a port the system picks, for tests. One thread serves the
/// requests one after another (each connection is closed after its answer); a silent answer
/// keeps its connection open without blocking the next request.
class LoopbackHttpServer {
public:
    /// Answers a request for a path ("/a?b=c").
    using Handler = std::function<CannedResponse(const std::string& path)>;

    explicit LoopbackHttpServer(Handler handler) : m_handler(std::move(handler)) {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(m_listener, 16) != 0 || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("The loopback HTTP server cannot listen");
        m_port = ntohs(address.sin_port);
        if (pipe(m_stopPipe) != 0)
            throw std::runtime_error("pipe failed");
        m_thread = std::thread([this] { serve(); });
    }
    ~LoopbackHttpServer() {
        (void)!write(m_stopPipe[1], "x", 1);
        m_thread.join();
        for (int connection : m_silentConnections)
            close(connection);
        close(m_listener);
        close(m_stopPipe[0]);
        close(m_stopPipe[1]);
    }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    /// "http://127.0.0.1:PORT" followed by `path`.
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(m_port) + path; }
    /// The address of `path` on a loopback port that nobody listens on any more, where a
    /// connection is refused.
    static std::string refusingUrl(const std::string& path) {
        return LoopbackHttpServer([](const std::string&) { return CannedResponse(); }).url(path);
    }
    /// The paths requested so far, in order. Any thread.
    std::vector<std::string> requestedPaths() const {
        std::lock_guard lock(m_mutex);
        return m_paths;
    }

private:
    void serve() {
        pollfd waits[] = {{m_listener, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        while (poll(waits, 2, -1) >= 0 && !(waits[1].revents & POLLIN)) {
            if (!(waits[0].revents & POLLIN))
                continue;
            const int connection = accept(m_listener, nullptr, nullptr);
            if (connection >= 0)
                answer(connection);
        }
    }

    void answer(int connection) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const ssize_t count = read(connection, buffer, sizeof buffer);
            if (count <= 0)
                break;
            request.append(buffer, static_cast<std::size_t>(count));
        }
        const std::size_t pathStart = request.find(' ') + 1;
        const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
        {
            std::lock_guard lock(m_mutex);
            m_paths.push_back(path);
        }
        const CannedResponse response = m_handler(path);
        if (response.silent) {
            m_silentConnections.push_back(connection);
            return;
        }
        std::string text = "HTTP/1.1 " + std::to_string(response.status) + " Canned\r\n";
        for (const std::string& header : response.headers)
            text += header + "\r\n";
        text += "Content-Length: " + std::to_string(response.body.size()) + "\r\nConnection: close\r\n\r\n";
        text += response.body;
        for (std::size_t sent = 0; sent < text.size();) {
            const ssize_t count = send(connection, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
            if (count <= 0)
                break;
            sent += static_cast<std::size_t>(count);
        }
        close(connection);
    }

    Handler m_handler;
    int m_listener = -1;
    int m_stopPipe[2] = {-1, -1};
    int m_port = 0;
    std::vector<int> m_silentConnections;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_paths;
    std::thread m_thread;
};

} // namespace testsupport
