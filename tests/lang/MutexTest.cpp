#include "lang/Mutex.h"
#include "lang/Thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

struct Contender {
    void take() {
        lang::MutexLock lock(*mutex);
        acquired = true;
    }
    lang::Mutex* mutex = nullptr;
    std::atomic<bool> acquired{false};
};

TEST(Mutex, RecursiveAndHeldUntilTheLastUnlock) {
    lang::Mutex mutex;
    Contender contender;
    contender.mutex = &mutex;
    mutex.lock();
    mutex.lock(); // the owner may lock again
    lang::Thread thread(lang::Func1<Contender>(&contender, &Contender::take), true);
    mutex.unlock();
    lang::Thread::sleep(50);
    EXPECT_FALSE(contender.acquired) << "released after one of two unlocks";
    mutex.unlock();
    for (int i = 0; i < 1000 && !contender.acquired; ++i)
        lang::Thread::sleep(1);
    EXPECT_TRUE(contender.acquired);
}

} // namespace
