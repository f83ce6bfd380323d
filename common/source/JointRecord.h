#pragma once

#include "physics/PhysicsJoint.h"

#include <string>

/// A joint the scripts made ("createJoint"): its name, the names of the two objects it joins,
/// how its anchors were given, and its Box2D joint (none for a link, which only ties the two
/// objects' lifetimes together).
struct JointRecord {
    std::string name;
    std::string end1;
    std::string end2;
    int coordType = 0;
    PhysicsJoint joint;
};
