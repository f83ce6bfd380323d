#include "Accelerometer.h"

namespace pf {

Acceleration Accelerometer::read() const { return m_enabled ? Acceleration{0.0f, -1.0f, 0.0f} : Acceleration{}; }

} // namespace pf
