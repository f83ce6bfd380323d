#include "lang/Thread.h"
#include "lang/Log.h"
#include "lang/Ref.h"
#include "lang/System.h"
#include "lang/ThreadInterruptedException.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

using lang::Func1;
using lang::Func2;
using lang::Func5;
using lang::Thread;

namespace {

class Worker {
public:
    void record(std::string text, int number, double value, const std::string& tail) {
        seen = text + "/" + std::to_string(number) + "/" + std::to_string(value) + "/" + tail;
    }
    void sleepThenMark() {
        Thread::sleep(60);
        done = true;
    }
    void waitForRelease() {
        released.get_future().wait_for(std::chrono::seconds(5));
        done = true;
    }
    void interrupt() {
        done = true;
        throw lang::ThreadInterruptedException();
    }
    void fail() { throw std::runtime_error("boom"); }
    void failOddly() { throw 42; }
    void dropOwnThread() {
        started.get_future().wait();
        self = nullptr;
        done = true;
    }

    std::string seen;
    std::atomic<bool> done{false};
    std::promise<void> released;
    std::promise<void> started;
    lang::Ref<Thread> self;
};

TEST(Func, StoresArgumentsByValueAndClones) {
    Worker worker;
    std::string text = "abc";
    Func5<Worker, std::string, int, double, const std::string&> call(&worker, &Worker::record, text, 7, 0.5, "z");
    text = "changed";
    std::unique_ptr<lang::FuncBase> copy(call.clone());
    copy->invoke();
    EXPECT_EQ(worker.seen, "abc/7/0.500000/z");
}

TEST(Thread, JoinFlagWaitsForTheBody) {
    Worker worker;
    { Thread thread(Func1<Worker>(&worker, &Worker::sleepThenMark), true); }
    EXPECT_TRUE(worker.done);
}

TEST(Thread, WithoutJoinFlagDestructionReturnsAtOnce) {
    Worker worker;
    const auto start = lang::System::currentTimeMillis();
    auto* thread = new Thread(Func1<Worker>(&worker, &Worker::waitForRelease), false);
    delete thread;
    EXPECT_LT(lang::System::currentTimeMillis() - start, 2000);
    worker.released.set_value();
    for (int i = 0; i < 500 && !worker.done; ++i) // the detached body must finish before `worker` goes
        Thread::sleep(2);
    Thread::sleep(5);
}

/// Keeps every message logged while it exists.
class RecordingLogger : public lang::log::Listener {
public:
    void log(const lang::log::Record& record) override {
        std::lock_guard lock(m_mutex);
        messages.push_back(record.message);
    }
    std::vector<std::string> messages;

private:
    std::mutex m_mutex;
};

TEST(Thread, InterruptedBodyEndsQuietly) {
    RecordingLogger logger;
    Worker worker;
    { Thread thread(Func1<Worker>(&worker, &Worker::interrupt), true); }
    // The body ran up to its interruption; nothing was logged, and the process goes on.
    EXPECT_TRUE(worker.done);
    EXPECT_EQ(logger.messages, std::vector<std::string>{});
}

TEST(Thread, BodyDroppingItsOwnJoiningThreadDoesNotDeadlock) {
    Worker worker;
    worker.self = new Thread(Func1<Worker>(&worker, &Worker::dropOwnThread), true);
    worker.started.set_value();
    for (int i = 0; i < 500 && !worker.done; ++i)
        Thread::sleep(2);
    EXPECT_TRUE(worker.done);
}

class StderrLogger : public lang::log::Listener {
    void log(const lang::log::Record& record) override { std::fprintf(stderr, "%s\n", record.message.c_str()); }
};

using ThreadDeathTest = testing::Test;

TEST_F(ThreadDeathTest, StandardExceptionIsLoggedAndEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Worker worker;
    EXPECT_EXIT(
        {
            StderrLogger logger;
            Thread thread(Func1<Worker>(&worker, &Worker::fail), true);
        },
        testing::ExitedWithCode(EXIT_FAILURE), "Unhandled exception, terminating. Exception message: boom");
    EXPECT_EXIT({ Thread thread(Func1<Worker>(&worker, &Worker::failOddly), true); },
                testing::ExitedWithCode(EXIT_FAILURE), "");
}

TEST(Thread, PriorityCanBeLowered) {
    // A thread starts at its creator's priority, which is not 0 when the suite runs under
    // `nice`; lowering it needs no privilege, raising it would.
    constexpr int kLowest = -19;
    errno = 0;
    const int inherited = -::getpriority(PRIO_PROCESS, 0);
    ASSERT_EQ(errno, 0);
    if (inherited == kLowest)
        GTEST_SKIP() << "the suite already runs at the lowest priority";
    Worker worker;
    Thread thread(Func1<Worker>(&worker, &Worker::waitForRelease), true);
    EXPECT_EQ(thread.getPriority(), inherited);
    const int lowered = std::max(inherited - 3, kLowest);
    EXPECT_TRUE(thread.setPriority(lowered));
    EXPECT_EQ(thread.getPriority(), lowered);
    worker.released.set_value();
}

TEST(Thread, SleepLastsAtLeastTheTime) {
    const auto start = lang::System::currentTimeMicros();
    Thread::sleep(25);
    EXPECT_GE(lang::System::currentTimeMicros() - start, 25'000);
}

} // namespace
