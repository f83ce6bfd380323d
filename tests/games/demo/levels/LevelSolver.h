#pragma once

#include "ShotInput.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace demotest {

/// Where a run of frames left the level once its last shot was over.
struct Outcome {
    /// The input frames, then the idle ones up to where the next bird can be aimed (or until a
    /// second after the win).
    std::vector<framework::ReplayFrame> frames;
    std::string phase;
    int targetsLeft = 0;
    double score = 0.0;
    int stars = 0;
};

/// Finds shots that win a level, greedily: for each bird in turn, the shot (angle and strength
/// over a grid, then refined, then with its ability set off at a few moments) that leaves the
/// fewest targets, then the highest score. Every trial is a fresh `DemoSession` fed the shots
/// chosen so far, so what it finds replays exactly. Progress goes to `log`.
class LevelSolver {
public:
    LevelSolver(int level, std::ostream& log);

    /// The frames of a won run, ending a second after the win; nothing when every bird was
    /// spent without winning.
    std::optional<Outcome> solve();

private:
    /// Plays `prefix`, then `shot` (if any), then waits until the shot is over.
    Outcome play(const std::vector<framework::ReplayFrame>& prefix, const std::optional<Shot>& shot) const;
    /// The best shot for the next bird after `prefix`, by `isBetter`.
    Outcome bestShot(const std::vector<framework::ReplayFrame>& prefix) const;

    int m_level;
    std::ostream& m_log;
};

} // namespace demotest
