// Contacts between game objects: which pairs touch, and what touching does.
#include "GameLua.h"

bool GameLua::shouldCollide(GameObject& a, GameObject& b) { return a.solid && b.solid; }

void GameLua::beginContact(Contact&) {}

void GameLua::endContact(Contact&) {}

void GameLua::preSolve(Contact&) {}
