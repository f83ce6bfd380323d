#include "lang/System.h"
#include "lang/Thread.h"

#include <gtest/gtest.h>

#include <ctime>

using lang::System;

namespace {

TEST(System, ClocksAgreeAndAdvance) {
    const auto millis = System::currentTimeMillis();
    const auto micros = System::currentTimeMicros();
    EXPECT_NEAR(static_cast<double>(micros / 1000), static_cast<double>(millis), 5.0);
    lang::Thread::sleep(20);
    EXPECT_GE(System::currentTimeMillis() - millis, 20);
}

TEST(System, WallClockIsMillisecondsSince1970) {
    const auto wall = System::wallTimeMillis();
    EXPECT_NEAR(static_cast<double>(wall), std::time(nullptr) * 1000.0, 2000.0);
    lang::Thread::sleep(20);
    EXPECT_GE(System::wallTimeMillis() - wall, 20);
}

} // namespace
