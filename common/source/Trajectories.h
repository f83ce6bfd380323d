#pragma once

#include "physics/Vector2.h"

#include <array>
#include <cstddef>
#include <vector>

/// The recorded flight paths of the birds: six point buffers and six puff buffers, in two sets
/// of three. Each shot records into the current set; starting a new shot switches sets, so the
/// previous shot's path stays visible. Points are in pixels.
class Trajectories {
public:
    static constexpr int kBufferCount = 6;
    static constexpr int kSetSize = 3;

    using Points = std::vector<Vector2>;

    /// The first buffer of the current set: 0 or 3.
    int current() const { return m_current; }
    /// The buffer of 1-based `slot` counted from the current set's first buffer (so slots 4 to 6
    /// of set 0 reach set 3's buffers), or -1 when that lies outside the six. Any int is safe.
    int bufferOfSlot(int slot) const;
    /// Switches to the other set and empties its points and puffs.
    void startNew();
    /// Empties the points and puffs of all six buffers, as a new level starts.
    void clear();
    /// Appends a point to buffer `index` (0 to 5); other indexes are ignored.
    void addPoint(int index, Vector2 point);
    /// Appends a puff to buffer `index` (0 to 5); other indexes are ignored.
    void addPuff(int index, Vector2 point);
    const Points& points(int index) const { return m_points.at(static_cast<std::size_t>(index)); }
    const Points& puffs(int index) const { return m_puffs.at(static_cast<std::size_t>(index)); }

private:
    int m_current = 0;
    std::array<Points, kBufferCount> m_points;
    std::array<Points, kBufferCount> m_puffs;
};

/// One predicted point of a flight: position in world units, time in seconds.
struct FlightPoint {
    float x = 0.0f;
    float y = 0.0f;
    float t = 0.0f;
};

/// The flight of a body from `start` with `velocity` under vertical gravity `gravityY`, at the
/// 300 fixed steps of 1/30 second that the physics world would take (velocity advanced before
/// position). A velocity above what `maxTranslation` world units per step allow is scaled down
/// to that speed, as the world would clamp it.
std::vector<FlightPoint> predictFlight(Vector2 start, Vector2 velocity, float gravityY, float maxTranslation);
