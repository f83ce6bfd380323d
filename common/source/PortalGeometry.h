#pragma once

#include "physics/Vector2.h"

/// The geometry of a passage through a pair of portals, without bodies or scripts. A portal's
/// face looks along its body angle; objects go in against that direction, along the entry
/// direction (the portal's angle + π), and come out of the exit portal's face. Angles in
/// radians, y down.
namespace portal {

/// The direction of travel into a portal whose body angle is `portalAngle`: that angle + π.
float travelAngle(float portalAngle);

/// The unit vector of `angle`.
Vector2 direction(float angle);

/// The point on the portal's centre line: the portal's position moved 0.3 of its width along the
/// entry direction `entryDirection`.
Vector2 entryCentre(Vector2 portalPosition, float portalWidth, Vector2 entryDirection);

/// Where a traveller touching the entry portal at `traveller` comes out: at the same distance
/// from the exit portal as from the entry portal, on the mirrored side (the exit portal's own
/// position when it touched at the entry portal's centre). `entryAngle` and `exitAngle` are
/// travel angles.
Vector2 exitPosition(Vector2 traveller, Vector2 entryPortal, float entryAngle, Vector2 exitPortal, float exitAngle);

/// The velocity a traveller moving at `velocity` into the entry portal leaves the exit portal
/// with: turned by the difference of the portals' travel angles when they face more than a
/// quarter turn apart, else mirrored about the entry direction and turned onto the exit one. A
/// speed below `minSpeedOut` is raised to it; a traveller at rest leaves straight out of the exit
/// portal's face at `minSpeedOut`.
Vector2 exitVelocity(Vector2 velocity, float entryAngle, float exitAngle, float minSpeedOut);

/// True while `velocity` heads into the portal: less than a quarter turn from `entryDirection`.
bool isHeadingIn(Vector2 velocity, Vector2 entryDirection);

/// True while `position` lies on the portal's face side of its centre line, away from
/// `entryCentre`: an object there that heads in has gone through the face. One beyond the line
/// came in through the back, and one at the entry centre itself has no side.
bool isBeforeCentreLine(Vector2 position, Vector2 entryCentre, Vector2 entryDirection);

} // namespace portal
