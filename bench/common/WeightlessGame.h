#pragma once

#include "GameHarness.h"

/// A started game in a weightless world, so bodies keep the velocities a figure gives them,
/// whose frame callbacks do nothing: a frame costs what the engine itself does.
struct WeightlessGame {
    WeightlessGame() : game(harness.start()) {
        game.world().setGravity({0.0f, 0.0f});
        harness.run("function applyForcesAtPhysicsStep() end  function removeBlocks() end "
                    "function clearLuaForceFunctions() end  function update(dt) end");
    }

    gametest::GameHarness harness;
    GameLua& game;
};
