#include "lang/DelayedCall.h"

#include "lang/Mutex.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace lang {

namespace {

struct Entry {
    float remaining; // seconds
    std::function<void()> call;
};

std::vector<Entry> s_entries; // main thread only
std::vector<Entry> s_pending; // guarded by pendingMutex()

Mutex& pendingMutex() {
    static Mutex mutex;
    return mutex;
}

} // namespace

void DelayedCall::add(float seconds, std::function<void()> call) {
    MutexLock lock(pendingMutex());
    s_pending.push_back(Entry{seconds, std::move(call)});
}

void DelayedCall::tick(float dt) {
    {
        MutexLock lock(pendingMutex());
        std::move(s_pending.begin(), s_pending.end(), std::back_inserter(s_entries));
        s_pending.clear();
    }
    for (Entry& entry : s_entries)
        entry.remaining -= dt;

    // Due calls leave the list before any of them runs, so a call that throws is never run twice.
    const auto firstDue =
        std::stable_partition(s_entries.begin(), s_entries.end(), [](const Entry& e) { return e.remaining > 0.0f; });
    std::vector<Entry> due(std::make_move_iterator(firstDue), std::make_move_iterator(s_entries.end()));
    s_entries.erase(firstDue, s_entries.end());

    for (std::size_t i = 0; i < due.size(); ++i) {
        try {
            due[i].call();
        } catch (...) {
            s_entries.insert(s_entries.begin(), std::make_move_iterator(due.begin() + static_cast<long>(i) + 1),
                             std::make_move_iterator(due.end()));
            throw;
        }
    }
}

} // namespace lang
