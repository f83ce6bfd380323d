// Every shipped level, run headless in this process: its solution replay wins it, it stands by
// itself without a shot, and the edit mode saves it as the very file that ships.
#include "DemoSession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <numbers>

namespace demotest {
namespace {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

// Cases are named by their level.
void PrintTo(const LevelEntry& level, std::ostream* out) { *out << "level " << level.number << " " << level.name; }

namespace {

class LevelRunnerTest : public ::testing::TestWithParam<LevelEntry> {
protected:
    std::string level() const { return ::testing::PrintToString(GetParam()); }
};

TEST_P(LevelRunnerTest, TheSolutionReplayWinsWithAStar) {
    const std::vector<framework::ReplayFrame> replay =
        framework::readReplay((demoSourceFolder() / "levels" / (GetParam().name + ".replay")).string());
    DemoSession session(GetParam().number);
    std::optional<LevelState> state;
    for (const framework::ReplayFrame& frame : replay) {
        session.run(frame);
        state = session.levelState();
        ASSERT_TRUE(state) << level() << ": no level is on at frame " << session.frames();
        ASSERT_EQ(state->name, GetParam().name) << level() << ": another level is on at frame " << session.frames();
        ASSERT_NE(state->phase, "lost") << level() << ": lost at frame " << session.frames() << " with score "
                                        << state->score;
        if (state->phase == "won")
            break;
    }
    ASSERT_TRUE(state) << level() << ": the replay has no frames";
    ASSERT_EQ(state->phase, "won") << level() << ": not won by the replay's last frame " << session.frames()
                                   << " (score " << state->score << ", " << state->birdsLeft << " birds left)";
    EXPECT_GE(state->stars, 1) << level() << ": won at frame " << session.frames() << " with score " << state->score
                               << " but no star";
}

// Blocks are placed resting on one another, but a stack under load gives by a few hundredths of a
// unit in its first steps (Box2D's contacts are soft) before it comes to rest; what a player must
// never see is a structure that goes on moving or breaking after that. So the poses after half a
// second are the reference, and every later frame is held to them.
constexpr int kSettleFrames = 30;
constexpr int kStandFrames = 600;
constexpr float kMostMovement = 0.05f;
constexpr float kMostTurn = 0.05f;

float turnBetween(float from, float to) {
    return std::abs(std::remainder(to - from, 2.0f * std::numbers::pi_v<float>));
}

std::map<std::string, ObjectPose> posesByName(const DemoSession& session) {
    std::map<std::string, ObjectPose> poses;
    for (const ObjectPose& pose : session.movingObjects())
        poses[pose.name] = pose;
    return poses;
}

/// The names of the level's bodies that must stand: the ones that move at all, except those
/// placed in the water. Those are meant to float, and with lift above gravity at the surface
/// they bob there for good; everything on dry land or an island must stand.
std::vector<std::string> standingObjects(const DemoSession& session) {
    const std::map<std::string, ObjectPose> moving = posesByName(session);
    const std::optional<float> water = session.waterLevel();
    std::vector<std::string> names;
    for (const Placement& placed : session.placements()) {
        const bool floats = water && placed.y + session.halfHeight(placed.name) > -*water;
        if (moving.contains(placed.name) && !floats)
            names.push_back(placed.name);
    }
    return names;
}

TEST_P(LevelRunnerTest, StandsByItselfForTenSeconds) {
    DemoSession session(GetParam().number);
    session.runIdle();
    const std::vector<std::string> standing = standingObjects(session);
    std::map<std::string, ObjectPose> settled;
    while (session.frames() < kStandFrames) {
        session.runIdle();
        const std::map<std::string, ObjectPose> now = posesByName(session);
        for (const std::string& name : standing) {
            const auto found = now.find(name);
            ASSERT_NE(found, now.end()) << level() << ": " << name << " was destroyed by frame " << session.frames();
            if (session.frames() <= kSettleFrames) {
                settled[name] = found->second;
                continue;
            }
            const ObjectPose& from = settled[name];
            const float moved = std::hypot(found->second.x - from.x, found->second.y - from.y);
            const float turned = turnBetween(from.angle, found->second.angle);
            ASSERT_TRUE(moved <= kMostMovement && turned <= kMostTurn)
                << level() << ": " << name << " moved " << moved << " units and turned " << turned << " rad by frame "
                << session.frames();
        }
    }
}

TEST_P(LevelRunnerTest, TheEditModeSavesTheShippedFile) {
    DemoSession session(GetParam().number);
    const std::filesystem::path saved = session.saveInEditMode(GetParam().name);
    EXPECT_EQ(readText(saved), readText(demoSourceFolder() / "levels" / (GetParam().name + ".lua"))) << level();
}

INSTANTIATE_TEST_SUITE_P(Shipped, LevelRunnerTest, ::testing::ValuesIn(shippedLevels()),
                         [](const ::testing::TestParamInfo<LevelEntry>& info) { return info.param.name; });

} // namespace
} // namespace demotest
