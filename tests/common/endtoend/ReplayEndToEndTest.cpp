// Reproducible runs of the real executable with the demo game: a run's recorded input replays to
// the same end, and the seed decides what the random sources draw.
#include "GameHarness.h"
#include "TumbleRun.h"
#include "framework/KeyCodes.h"
#include "framework/Replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using endtoend::Outcome;
using endtoend::runTumble;
using framework::ReplayEvent;
using framework::ReplayFrame;
using Kind = ReplayEvent::Kind;

constexpr float kDt = 1.0f / 60.0f;
constexpr int kFrames = 150;

// Two and a half seconds in which a finger pulls the bird in the slingshot of the first level (at
// (185, 450) on the screen) back and lets go, with the mouse following and a key pressed on the way.
std::vector<ReplayFrame> pullAndRelease() {
    std::vector<ReplayFrame> frames(kFrames, ReplayFrame{kDt, {}});
    frames[10].events = {ReplayEvent::at(Kind::TouchBegan, {1, 185, 450}),
                         ReplayEvent::at(Kind::MouseMove, {0, 185, 450})};
    for (int step = 1; step <= 20; ++step) {
        const framework::TouchPoint point{1, 185 - 3 * step, 450 + step};
        frames[10 + step].events = {ReplayEvent::at(Kind::TouchMoved, point),
                                    ReplayEvent::at(Kind::MouseMove, {0, point.x, point.y})};
    }
    frames[25].events.push_back(ReplayEvent::number(Kind::KeyDown, framework::kKeyShift));
    frames[31].events = {ReplayEvent::at(Kind::TouchEnded, {1, 125, 470}),
                         ReplayEvent::number(Kind::KeyUp, framework::kKeyShift)};
    return frames;
}

std::string stateHashOf(const Outcome& run) {
    const size_t at = run.output.find("state hash: ");
    return at == std::string::npos ? std::string() : run.output.substr(at + 12, 16);
}

TEST(ReplayEndToEndTest, ARecordedRunReplaysToItsEndAndTheSeedDecidesTheParticles) {
    gametest::TempFolder folder;
    const std::string home = folder.path().string();
    const auto file = [&](const char* name) { return (folder.path() / name).string(); };
    framework::writeReplay(file("hand.replay"), pullAndRelease());
    framework::writeReplay(file("idle.replay"), std::vector<ReplayFrame>(kFrames, ReplayFrame{kDt, {}}));

    // Each run starts the first level from no saved settings.
    const auto play = [&](const std::string& arguments) {
        std::filesystem::remove_all(folder.path() / "appdata");
        std::filesystem::remove_all(folder.path() / "Tumble");
        return runTumble("games/demo/config.lua --level 1 --state-hash " + arguments, home);
    };
    const Outcome recorded = play("--replay '" + file("hand.replay") + "' --record '" + file("rec.replay") +
                                  "' --screenshot '" + file("recorded.png") + "'");
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    ASSERT_EQ(stateHashOf(recorded).size(), 16u) << recorded.output;
    // What the recorder heard is what the replay fed in, frame by frame.
    EXPECT_EQ(framework::readReplay(file("rec.replay")), pullAndRelease());

    const Outcome replayed = play("--replay '" + file("rec.replay") + "' --screenshot '" + file("replayed.png") + "'");
    ASSERT_EQ(replayed.exitCode, 0) << replayed.output;
    EXPECT_EQ(stateHashOf(replayed), stateHashOf(recorded));
    EXPECT_EQ(gametest::readFile(file("replayed.png")), gametest::readFile(file("recorded.png")));

    // The pull launched the bird: without it the world ends elsewhere.
    const Outcome idle = play("--replay '" + file("idle.replay") + "'");
    ASSERT_EQ(idle.exitCode, 0) << idle.output;
    EXPECT_NE(stateHashOf(idle), stateHashOf(recorded));

    // Another seed scatters the particles differently; --frames ends the replay early.
    const Outcome reseeded = play("--replay '" + file("rec.replay") + "' --seed 2 --frames 149 --record '" +
                                  file("short.replay") + "' --screenshot '" + file("reseeded.png") + "'");
    ASSERT_EQ(reseeded.exitCode, 0) << reseeded.output;
    EXPECT_NE(gametest::readFile(file("reseeded.png")), gametest::readFile(file("recorded.png")));
    EXPECT_EQ(framework::readReplay(file("short.replay")).size(), 149u);
}

} // namespace
