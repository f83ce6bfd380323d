#include "lang/Thread.h"

#include "lang/Exception.h"
#include "lang/Log.h"
#include "lang/ThreadInterruptedException.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>

namespace lang {

struct Thread::State {
    std::mutex mutex;
    std::condition_variable startedChanged;
    pid_t id = 0; // the kernel's id of the thread, for its priority
    bool started = false;
    bool ended = false; // once set, `id` may name another thread
};

namespace {

[[noreturn]] void endProcess() {
    std::fflush(stdout);
    std::fflush(stderr);
    // Not `exit`: static destructors must not run while the main thread still uses the objects.
    std::_Exit(EXIT_FAILURE);
}

} // namespace

Thread::Thread(const FuncBase& call, bool join) : m_state(std::make_shared<State>()), m_join(join) {
    std::unique_ptr<FuncBase> copy(call.clone());
    try {
        // On failure the thread's argument pack, and with it the copy, is destroyed.
        m_thread = std::thread(&Thread::execute, m_state, std::move(copy));
    } catch (const std::system_error&) {
        throw Exception(Format("Creating thread failed"));
    }
}

Thread::~Thread() {
    // A body that drops the last reference to its own thread object cannot wait for itself.
    if (m_join && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    else
        m_thread.detach();
}

void Thread::execute(std::shared_ptr<State> state, std::unique_ptr<FuncBase> call) {
    {
        std::lock_guard lock(state->mutex);
        state->id = gettid();
        state->started = true;
    }
    state->startedChanged.notify_all();
    try {
        call->invoke();
    } catch (const ThreadInterruptedException&) {
        // The body asked to end quietly.
    } catch (const std::exception& e) {
        LOG_ERROR("", "Unhandled exception, terminating. Exception message: %s", e.what());
        endProcess();
    } catch (...) {
        endProcess();
    }
    call.reset();
    std::lock_guard lock(state->mutex);
    state->ended = true;
}

int Thread::getPriority() const {
    std::unique_lock lock(m_state->mutex);
    m_state->startedChanged.wait(lock, [this] { return m_state->started; });
    if (m_state->ended)
        return 0;
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(m_state->id));
    return errno == 0 ? -nice : 0;
}

bool Thread::setPriority(int priority) {
    std::unique_lock lock(m_state->mutex);
    m_state->startedChanged.wait(lock, [this] { return m_state->started; });
    return !m_state->ended && ::setpriority(PRIO_PROCESS, static_cast<id_t>(m_state->id), -priority) == 0;
}

void Thread::sleep(std::int64_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

} // namespace lang
