-- The demo's particle effects. Positions and speeds are in scene pixels (20 to a world unit),
-- y grows downwards; the engine removes in-game particles that fall below the ground line.

-- An effect of `sprite`: each particle's life (seconds), its gravity (pixels a second squared,
-- downwards), its spin (radians a second, either way), its scale at birth and at death
-- ({ smallest, largest }), and its emitter (the particle table's key, "emitter_circle" or
-- "emitter_box", and that emitter's table).
local function effect(sprite, lifeTime, gravityY, spin, scaleBegin, scaleEnd, emitterKind, emitter)
    return {
        sprites = { sprite },
        lifeTime = lifeTime,
        gravityX = 0,
        gravityY = gravityY,
        minAngleVel = -spin,
        maxAngleVel = spin,
        minScaleBegin = scaleBegin[1],
        maxScaleBegin = scaleBegin[2],
        minScaleEnd = scaleEnd[1],
        maxScaleEnd = scaleEnd[2],
        [emitterKind] = emitter,
    }
end

-- Splinters of a breaking block flying up and falling back.
local function burst(sprite)
    return effect(sprite, 1.1, 420, 9, { 0.8, 1.2 }, { 0.5, 0.8 }, "emitter_circle",
                  { minVel = 60, maxVel = 220, minAngleEmitter = 180, maxAngleEmitter = 360 })
end

-- Sparks swirling out of a portal, in the portal's colour.
local function portalSparks(sprite)
    return effect(sprite, 0.8, 0, 8, { 1.0, 1.5 }, { 0.1, 0.3 }, "emitter_circle", { minVel = 40, maxVel = 150 })
end

-- Drops thrown up by something crossing the water's surface, from `minVel` to `maxVel` pixels a
-- second and up to `spread` degrees off straight up.
local function splash(minVel, maxVel, spread)
    return effect("PARTICLE_DROP", 0.9, 520, 0, { 0.8, 1.2 }, { 0.5, 0.7 }, "emitter_circle",
                  { minVel = minVel, maxVel = maxVel, minAngleEmitter = 270 - spread, maxAngleEmitter = 270 + spread })
end

particles = {
    -- A block breaking: splinters of its material.
    wood = burst("PARTICLE_WOOD"),
    stone = burst("PARTICLE_STONE"),
    glass = burst("PARTICLE_ICE"),
    -- A puff of dust where something lands hard.
    dust = effect("PARTICLE_DUST", 0.7, -30, 1, { 0.5, 0.8 }, { 1.4, 2.0 }, "emitter_box",
                  { minVelX = -40, maxVelX = 40, minVelY = -50, maxVelY = -10 }),
    -- Feathers of a bird that hit something.
    feathers = effect("PARTICLE_FEATHER", 1.6, 90, 4, { 0.7, 1.1 }, { 0.6, 0.9 }, "emitter_circle",
                      { minVel = 30, maxVel = 120 }),
    -- A black bird's blast: a ring of sparks and dust flung far.
    blast = effect("PARTICLE_SPARKLE", 0.8, 120, 6, { 1.4, 2.0 }, { 0.3, 0.6 }, "emitter_circle",
                   { minVel = 180, maxVel = 420 }),
    -- A target popping: sparkles in every direction.
    sparkles = effect("PARTICLE_SPARKLE", 0.9, 60, 6, { 1.0, 1.4 }, { 0.2, 0.4 }, "emitter_circle",
                      { minVel = 80, maxVel = 200 }),
    -- What a portal throws out when something goes in (blue) and comes out (orange).
    portalBlue = portalSparks("PARTICLE_PORTAL_BLUE"),
    portalOrange = portalSparks("PARTICLE_PORTAL_ORANGE"),
    -- The engine's splashes: something plunging into the water fast, and anything slower or
    -- leaping out of it.
    waterSplash = splash(140, 280, 50),
    waterSplashUp = splash(60, 150, 25),
}
