#include "ChildProcess.h"

#include "lang/Exception.h"
#include "lang/Format.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace pf {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments, bool searchPath) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int error = searchPath ? posix_spawnp(&m_pid, program.c_str(), nullptr, nullptr, argv.data(), environ)
                                 : posix_spawn(&m_pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        throw lang::Exception(lang::Format("Starting {0} failed: {1}", program, std::strerror(error)));
}

ChildProcess::~ChildProcess() {
    if (reap())
        return;
    // The child outlives us: a detached waiter collects it whenever it ends.
    std::thread([pid = m_pid] {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds limit, const std::atomic<bool>* abandon) {
    // There is no waitpid with a time-out; polling every few milliseconds costs nothing next
    // to the seconds an updater takes.
    constexpr std::chrono::milliseconds kPollInterval{5};
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!reap() && std::chrono::steady_clock::now() < deadline && !(abandon && *abandon))
        std::this_thread::sleep_for(kPollInterval);
    return m_exitCode;
}

bool ChildProcess::reap() {
    if (m_ended)
        return true;
    int status = 0;
    pid_t result;
    do
        result = waitpid(m_pid, &status, WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result == 0)
        return false;
    m_ended = true;
    if (result == m_pid && WIFEXITED(status))
        m_exitCode = WEXITSTATUS(status);
    return true;
}

} // namespace pf
