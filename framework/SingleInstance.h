#pragma once

#include "lang/Ref.h"
#include "lang/Thread.h"

#include <functional>
#include <string>

namespace framework {

/// Keeps a second start of a program from running beside the first: the first start holds an
/// exclusive lock on a file named after the program and listens on a local socket beside it;
/// a later start finds the lock taken, asks the first through the socket to show its window,
/// and gives up. The files live in $XDG_RUNTIME_DIR (or /tmp).
class SingleInstance {
public:
    /// Claims the program `name` (argument 0). While the claim is held, `raise` is called, on a
    /// thread of this object, whenever a later start asks for the window.
    SingleInstance(const std::string& name, std::function<void()> raise);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    /// False when another process held the claim (and was asked to raise its window).
    bool acquired() const { return m_acquired; }

    /// How long the listener waits for a connected client's request, in milliseconds.
    static constexpr int kClientTimeoutMillis = 250;

private:
    void listen();
    // Reads one client's request; true when it asked for the window.
    bool serve(int client);

    std::function<void()> m_raise;
    std::string m_socketPath;
    bool m_acquired = true;
    int m_lock = -1;
    int m_socket = -1;
    int m_stop[2] = {-1, -1};
    lang::Ref<lang::Thread> m_listener;
};

} // namespace framework
