-- The demo's particle effects. Positions and speeds are in scene pixels (20 to a world unit),
-- y grows downwards; the engine removes in-game particles that fall below the ground line.

local function burst(sprite)
    return {
        sprites = { sprite },
        lifeTime = 1.1,
        gravityX = 0,
        gravityY = 420,
        minAngleVel = -9,
        maxAngleVel = 9,
        minScaleBegin = 0.8,
        maxScaleBegin = 1.2,
        minScaleEnd = 0.5,
        maxScaleEnd = 0.8,
        emitter_circle = { minVel = 60, maxVel = 220, minAngleEmitter = 180, maxAngleEmitter = 360 },
    }
end

-- Sparks swirling out of a portal, in the portal's colour.
local function portalSparks(sprite)
    return {
        sprites = { sprite },
        lifeTime = 0.8,
        gravityX = 0,
        gravityY = 0,
        minAngleVel = -8,
        maxAngleVel = 8,
        minScaleBegin = 1.0,
        maxScaleBegin = 1.5,
        minScaleEnd = 0.1,
        maxScaleEnd = 0.3,
        emitter_circle = { minVel = 40, maxVel = 150 },
    }
end

-- Drops thrown up by something crossing the water's surface: a fast plunge throws them high and
-- wide, a slow one only lifts a few.
local function splash(minVel, maxVel, spread)
    return {
        sprites = { "PARTICLE_DROP" },
        lifeTime = 0.9,
        gravityX = 0,
        gravityY = 520,
        minAngleVel = 0,
        maxAngleVel = 0,
        minScaleBegin = 0.8,
        maxScaleBegin = 1.2,
        minScaleEnd = 0.5,
        maxScaleEnd = 0.7,
        emitter_circle = { minVel = minVel, maxVel = maxVel, minAngleEmitter = 270 - spread,
                           maxAngleEmitter = 270 + spread },
    }
end

particles = {
    -- A block breaking: splinters of its material flying up and falling back.
    wood = burst("PARTICLE_WOOD"),
    stone = burst("PARTICLE_STONE"),
    ice = burst("PARTICLE_ICE"),
    -- A puff of dust where something lands hard.
    dust = {
        sprites = { "PARTICLE_DUST" },
        lifeTime = 0.7,
        gravityX = 0,
        gravityY = -30,
        minAngleVel = -1,
        maxAngleVel = 1,
        minScaleBegin = 0.5,
        maxScaleBegin = 0.8,
        minScaleEnd = 1.4,
        maxScaleEnd = 2.0,
        emitter_box = { minVelX = -40, maxVelX = 40, minVelY = -50, maxVelY = -10 },
    },
    -- Feathers of a bird that hit something.
    feathers = {
        sprites = { "PARTICLE_FEATHER" },
        lifeTime = 1.6,
        gravityX = 0,
        gravityY = 90,
        minAngleVel = -4,
        maxAngleVel = 4,
        minScaleBegin = 0.7,
        maxScaleBegin = 1.1,
        minScaleEnd = 0.6,
        maxScaleEnd = 0.9,
        emitter_circle = { minVel = 30, maxVel = 120 },
    },
    -- A target popping: sparkles in every direction.
    sparkles = {
        sprites = { "PARTICLE_SPARKLE" },
        lifeTime = 0.9,
        gravityX = 0,
        gravityY = 60,
        minAngleVel = -6,
        maxAngleVel = 6,
        minScaleBegin = 1.0,
        maxScaleBegin = 1.4,
        minScaleEnd = 0.2,
        maxScaleEnd = 0.4,
        emitter_circle = { minVel = 80, maxVel = 200 },
    },
    -- What a portal throws out when something goes in (blue) and comes out (orange).
    portalBlue = portalSparks("PARTICLE_PORTAL_BLUE"),
    portalOrange = portalSparks("PARTICLE_PORTAL_ORANGE"),
    -- The engine's splashes: something plunging into the water fast, and anything slower or
    -- leaping out of it.
    waterSplash = splash(140, 280, 50),
    waterSplashUp = splash(60, 150, 25),
}
