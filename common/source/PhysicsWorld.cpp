#include "PhysicsWorld.h"

PhysicsBody::~PhysicsBody() = default;

PhysicsWorld::~PhysicsWorld() = default;
