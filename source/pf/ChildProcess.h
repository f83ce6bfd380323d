#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace pf {

/// A program started with an argument vector, never through a shell, so no argument is ever
/// read as shell syntax. A child that is still running when this object goes is reaped by a
/// background thread once it ends: it never stays behind as a zombie, and nobody waits for it.
class ChildProcess {
public:
    /// Starts `program` with `arguments` (what the program sees after its own name). With
    /// `searchPath` a name without a slash is looked up on `PATH`. Raises `lang::Exception`
    /// "Starting {0} failed: {1}" (program, system error) when it cannot be started.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments, bool searchPath);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    /// Waits at most `limit` for the program to end, and no longer once `*abandon` (when given)
    /// is true. Its exit code; nothing when it is still running then or ended without an exit
    /// code (killed by a signal). Once it has ended, further calls answer the same at once.
    std::optional<int> waitForExit(std::chrono::milliseconds limit, const std::atomic<bool>* abandon = nullptr);

private:
    // Collects the child if it has ended, without waiting; true when it has (now or before).
    bool reap();

    pid_t m_pid = -1;
    bool m_ended = false;
    std::optional<int> m_exitCode;
};

} // namespace pf
