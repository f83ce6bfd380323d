#include "LevelSolver.h"

#include "DemoSession.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <tuple>

namespace demotest {

namespace {

/// How long a shot may take until the next bird can be aimed, frames.
constexpr int kLongestShot = 20 * 60;
/// What a replay keeps after the win, frames.
constexpr int kAfterWin = 60;

constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

bool isOver(const std::string& phase) { return phase == "won" || phase == "lost"; }

/// Fewer targets left, then a won level, then more points.
bool isBetter(const Outcome& a, const Outcome& b) {
    return std::make_tuple(-a.targetsLeft, a.phase == "won", a.score) >
           std::make_tuple(-b.targetsLeft, b.phase == "won", b.score);
}

} // namespace

LevelSolver::LevelSolver(int level, std::ostream& log) : m_level(level), m_log(log) {}

Outcome LevelSolver::play(const std::vector<framework::ReplayFrame>& prefix, const std::optional<Shot>& shot) const {
    DemoSession session(m_level);
    Outcome outcome;
    std::vector<std::string> targets;
    const auto record = [&](const framework::ReplayFrame& frame) {
        session.run(frame);
        outcome.frames.push_back(frame);
        if (targets.empty())
            for (const Placement& placed : session.placements())
                if (placed.definition.starts_with("target"))
                    targets.push_back(placed.name);
    };
    const framework::ReplayFrame idle{kFrameDt, {}};
    for (const framework::ReplayFrame& frame : prefix)
        record(frame);
    if (shot) {
        const LevelState aiming = session.levelState().value_or(LevelState{});
        for (const framework::ReplayFrame& frame : shotFrames(*shot, aiming.slingshotX, aiming.slingshotY))
            record(frame);
    }
    // The shot is over when the next bird waits in the slingshot, or the level has ended.
    const auto phase = [&] { return session.levelState().value_or(LevelState{}).phase; };
    for (int waited = 0; waited < kLongestShot && phase() != "aiming" && !isOver(phase()); ++waited)
        record(idle);
    if (phase() == "won")
        for (int frame = 0; frame < kAfterWin; ++frame)
            record(idle);
    const LevelState state = session.levelState().value_or(LevelState{});
    outcome.phase = state.phase;
    outcome.score = state.score;
    outcome.stars = state.stars;
    outcome.targetsLeft = static_cast<int>(std::count_if(
        targets.begin(), targets.end(), [&](const std::string& name) { return session.hasObject(name); }));
    return outcome;
}

Outcome LevelSolver::bestShot(const std::vector<framework::ReplayFrame>& prefix) const {
    std::optional<Outcome> best;
    Shot bestShot;
    const auto tryShot = [&](const Shot& shot) {
        Outcome outcome = play(prefix, shot);
        if (!best || isBetter(outcome, *best)) {
            best = std::move(outcome);
            bestShot = shot;
        }
    };
    for (float angle = -10.0f; angle <= 75.0f; angle += 5.0f)
        for (const float pull : {30.0f, 42.0f, 55.0f, 68.0f, 80.0f})
            tryShot({angle * kDegree, pull, std::nullopt});
    const Shot coarse = bestShot;
    for (const float angle : {-2.5f, -1.2f, 1.2f, 2.5f})
        for (const float pull : {-6.0f, 0.0f, 6.0f})
            tryShot({coarse.angle + angle * kDegree, std::min(coarse.pull + pull, 80.0f), std::nullopt});
    const Shot refined = bestShot;
    for (const float seconds : {0.3f, 0.5f, 0.7f, 0.9f, 1.1f, 1.4f})
        tryShot({refined.angle, refined.pull, seconds});
    m_log << "  shot: " << bestShot.angle / kDegree << " degrees, pull " << bestShot.pull;
    if (bestShot.ability)
        m_log << ", ability after " << *bestShot.ability << " s";
    m_log << " -> " << best->targetsLeft << " targets left, score " << best->score << ", " << best->phase << std::endl;
    return *std::move(best);
}

std::optional<Outcome> LevelSolver::solve() {
    Outcome outcome = play({}, std::nullopt);
    while (!isOver(outcome.phase)) {
        if (outcome.phase != "aiming") {
            m_log << "  the level is " << (outcome.phase.empty() ? "not on" : outcome.phase) << ", not aiming"
                  << std::endl;
            return std::nullopt;
        }
        outcome = bestShot(outcome.frames);
    }
    if (outcome.phase != "won")
        return std::nullopt;
    return outcome;
}

} // namespace demotest
