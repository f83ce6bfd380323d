#pragma once

#include "lang/Func.h"
#include "lang/Object.h"

#include <cstdint>
#include <memory>
#include <thread>

namespace lang {

/// A thread running a bound call. Starts at construction. The body may end itself quietly by
/// throwing `lang::ThreadInterruptedException`; any other exception that leaves it is logged
/// and ends the process.
class Thread : public Object {
public:
    /// Starts a thread on a copy of `call` (made with `clone`). With `join` set, destroying this
    /// object waits for the body to return; without it, destroying returns at once and the
    /// thread runs on. Throws `lang::Exception` "Creating thread failed".
    Thread(const FuncBase& call, bool join);
    ~Thread() override;

    /// The thread's scheduling priority: 0 is normal, higher runs more urgently (on Linux the
    /// negated nice value). Returns 0 once the thread has ended.
    int getPriority() const;
    /// Sets the priority (see `getPriority`). Returns false when the system refuses (raising
    /// above normal needs privileges on Linux) or the thread has ended.
    bool setPriority(int priority);

    /// Suspends the calling thread for `milliseconds`.
    static void sleep(std::int64_t milliseconds);

private:
    // What the running thread and this object share; outlives whichever ends first.
    struct State;
    // The thread entry: runs the call under the exception rules above.
    static void execute(std::shared_ptr<State> state, std::unique_ptr<FuncBase> call);

    std::shared_ptr<State> m_state;
    std::thread m_thread;
    bool m_join;
};

} // namespace lang
