#pragma once

#include <functional>

namespace lang {

/// Calls run on the main thread a given time later, counted in frame time.
///
///     lang::DelayedCall::add(0.5f, [this] { showHint(); });   // any thread
///     lang::DelayedCall::tick(dt);                             // the host, once per frame
///
/// A call added with delay 0 runs in the next tick. A call added while a tick runs its calls
/// (from any thread) waits for the following tick.
class DelayedCall {
public:
    /// Queues `call` to run after `seconds` of frame time. Any thread.
    static void add(float seconds, std::function<void()> call);
    /// Advances every queued call by `dt` seconds and runs those that are due, in the order
    /// they were added, then drops them. Main thread only. If a call throws, the exception
    /// propagates; that call is dropped and the other due calls run in the next tick.
    static void tick(float dt);
};

} // namespace lang
