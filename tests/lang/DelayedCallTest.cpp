#include "lang/DelayedCall.h"
#include "lang/Thread.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using lang::DelayedCall;

namespace {

TEST(DelayedCall, RunsWhenItsTimeIsUsedUpAndOnlyOnce) {
    int runs = 0;
    DelayedCall::add(0.05f, [&] { ++runs; });
    DelayedCall::tick(0.03f);
    EXPECT_EQ(runs, 0);
    DelayedCall::tick(0.03f);
    EXPECT_EQ(runs, 1);
    DelayedCall::tick(0.03f);
    EXPECT_EQ(runs, 1);
}

TEST(DelayedCall, RunInTheOrderAddedAndZeroDelayRunsNextTick) {
    std::vector<int> calls;
    DelayedCall::add(0.0f, [&] { calls.push_back(1); });
    DelayedCall::add(0.0f, [&] { calls.push_back(2); });
    DelayedCall::add(0.01f, [&] { calls.push_back(3); });
    DelayedCall::tick(0.0f);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    DelayedCall::tick(0.02f);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
}

TEST(DelayedCall, CallsAddedWhileTickingWaitForTheNextTick) {
    std::vector<int> calls;
    DelayedCall::add(0.0f, [&] {
        calls.push_back(1);
        DelayedCall::add(0.0f, [&] { calls.push_back(2); });
    });
    DelayedCall::tick(0.1f);
    EXPECT_EQ(calls, (std::vector<int>{1}));
    DelayedCall::tick(0.1f);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

struct Producer {
    void run() {
        for (int i = 0; i < 100; ++i)
            DelayedCall::add(0.0f, [this] { ++*runs; });
    }
    int* runs;
};

TEST(DelayedCall, OtherThreadsMayAdd) {
    int runs = 0;
    Producer producer{&runs};
    {
        lang::Thread a(lang::Func1<Producer>(&producer, &Producer::run), true);
        lang::Thread b(lang::Func1<Producer>(&producer, &Producer::run), true);
        for (int i = 0; i < 20; ++i)
            DelayedCall::tick(0.016f); // ticks while they add
    }
    DelayedCall::tick(0.016f);
    EXPECT_EQ(runs, 200);
}

TEST(DelayedCall, ThrowingCallRunsOnceAndTheOthersStillRun) {
    std::vector<int> calls;
    DelayedCall::add(0.0f, [&] {
        calls.push_back(1);
        throw std::runtime_error("in a call");
    });
    DelayedCall::add(0.0f, [&] { calls.push_back(2); });
    DelayedCall::add(0.5f, [&] { calls.push_back(3); });
    EXPECT_THROW(DelayedCall::tick(0.1f), std::runtime_error);
    DelayedCall::tick(0.1f);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    DelayedCall::tick(0.4f);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
}

} // namespace
