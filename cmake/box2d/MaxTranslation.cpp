// The run-time home of Box2D's largest translation per step (world units), which the build turns
// from a compile-time constant into these globals. Both start at Box2D's own default.
#include "box2d/b2_common.h"

float b2_maxTranslation = 2.0f * b2_lengthUnitsPerMeter;
float b2_maxTranslationSquared = b2_maxTranslation * b2_maxTranslation;
