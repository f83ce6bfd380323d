#pragma once

namespace pf {

/// One reading of the accelerometer, in units of the standard gravity.
struct Acceleration {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

/// The device's accelerometer. A desktop has none: it is taken as upright and at rest. Game
/// thread only.
class Accelerometer {
public:
    void enable() { m_enabled = true; }
    void disable() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }
    /// (0, −1, 0) while enabled (gravity straight down), (0, 0, 0) while disabled.
    Acceleration read() const;

private:
    bool m_enabled = false;
};

} // namespace pf
