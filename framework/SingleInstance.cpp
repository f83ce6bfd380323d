#include "framework/SingleInstance.h"

#include "lang/Fnv1a.h"
#include "lang/Func.h"
#include "lang/Log.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace framework {
namespace {

// The file names come from a hash of the program path: any path fits a socket address.
std::string basePath(const std::string& name) {
    lang::Fnv1a hash;
    hash.add(name);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    char file[32];
    std::snprintf(file, sizeof file, "/tumble-%016llx", static_cast<unsigned long long>(hash.value()));
    return std::string(runtime && *runtime ? runtime : "/tmp") + file;
}

bool socketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

void askFirstInstance(const std::string& path) {
    sockaddr_un address;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    if (socketAddress(path, address) && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const char request = 'r';
        if (write(fd, &request, 1) != 1)
            LOG_WARNING("Host", "Cannot ask the running instance to show itself: %s", std::strerror(errno));
    }
    close(fd);
}

} // namespace

SingleInstance::SingleInstance(const std::string& name, std::function<void()> raise) : m_raise(std::move(raise)) {
    const std::string base = basePath(name);
    m_socketPath = base + ".sock";
    m_lock = open((base + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock < 0) {
        LOG_WARNING("Host", "Cannot open the instance lock %s.lock: %s", base.c_str(), std::strerror(errno));
        return;
    }
    if (flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        m_acquired = false;
        askFirstInstance(m_socketPath);
        return;
    }
    sockaddr_un address;
    m_socket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    unlink(m_socketPath.c_str()); // left behind by a run that crashed
    if (m_socket < 0 || !socketAddress(m_socketPath, address) ||
        bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(m_socket, 4) != 0 ||
        pipe2(m_stop, O_CLOEXEC) != 0) {
        LOG_WARNING("Host", "Cannot listen on %s: %s", m_socketPath.c_str(), std::strerror(errno));
        return;
    }
    m_listener = new lang::Thread(lang::Func(this, &SingleInstance::listen), true);
}

SingleInstance::~SingleInstance() {
    if (m_listener) {
        const char stop = 's';
        while (write(m_stop[1], &stop, 1) < 0 && errno == EINTR) {
        }
        m_listener = nullptr; // joins
    }
    for (int fd : {m_stop[0], m_stop[1], m_socket}) {
        if (fd >= 0)
            close(fd);
    }
    if (m_socket >= 0)
        unlink(m_socketPath.c_str());
    if (m_lock >= 0)
        close(m_lock); // releases the lock
}

void SingleInstance::listen() {
    for (;;) {
        pollfd waits[2] = {{m_socket, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        if (poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            LOG_WARNING("Host", "Stopped listening on %s: %s", m_socketPath.c_str(), std::strerror(errno));
            return;
        }
        if (waits[1].revents)
            return;
        if (waits[0].revents & POLLIN) {
            const int client = accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client >= 0 && serve(client))
                m_raise();
        }
    }
}

// A client that connects and never writes must hold up neither later starts nor the shut-down:
// it gets a short time to ask, and a stop request ends the wait at once.
bool SingleInstance::serve(int client) {
    pollfd waits[2] = {{client, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
    const int ready = poll(waits, 2, kClientTimeoutMillis);
    char request = 0;
    const bool asked = ready > 0 && !waits[1].revents && read(client, &request, 1) == 1;
    close(client);
    return asked;
}

} // namespace framework
