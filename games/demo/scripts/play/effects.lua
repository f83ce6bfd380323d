-- What play sounds and looks like: impacts and breaks by material, particles where things
-- happen, and the engine's portal and water callbacks. The mixer's tracks: effects on 0, the
-- music on 1, rolling on 2 and impacts on 3 (the engine lets that one play three at a time, so
-- that a falling tower does not drown everything else).

Play = Play or {}
local Effects = {}
Play.Effects = Effects

local PIXELS_PER_UNIT = 20
local EFFECT_TRACK, ROLLING_TRACK, IMPACT_TRACK = 0, 2, 3
Play.MUSIC_TRACK = 1
Play.EFFECT_TRACKS = { EFFECT_TRACK, ROLLING_TRACK, IMPACT_TRACK }

-- What each material sounds like when hit and when it breaks, and what it throws out breaking.
-- The ground and rocks sound like stone, a target like wood.
local IMPACT_SOUNDS = { wood = "impact_wood", glass = "impact_glass", stone = "impact_stone", ground = "impact_stone",
                        rock = "impact_stone", target = "impact_wood" }
local BREAK_SOUNDS = { wood = "break_wood", glass = "break_glass", stone = "break_stone", target = "target" }
local BREAK_PARTICLES = { wood = "wood", glass = "glass", stone = "stone", target = "sparkles" }
-- An impact this strong (the engine's damage value) sounds at full volume; one that would sound
-- quieter than IMPACT_QUIETEST is not played. An object that sounded an impact stays quiet for
-- IMPACT_PAUSE seconds, so that a pile of contacts does not rattle.
local IMPACT_FULL = 4
local IMPACT_QUIETEST = 0.08
local IMPACT_PAUSE = 0.15
-- A landing this hard raises dust; a bird hit this hard loses feathers.
local DUST_DAMAGE = 1.5
local FEATHER_DAMAGE = 1
-- A bird splashes at this volume, anything else quieter.
local SPLASH_VOLUMES = { bird = 1, block = 0.6 }

local clock = 0
-- When each object last sounded an impact (the clock's seconds), by name.
local lastImpact = {}

function Effects.reset()
    lastImpact = {}
end

function Effects.advance(dt)
    clock = clock + dt
end

function Effects.play(sound, volume)
    res.playAudio(sound, volume or 1, 0, EFFECT_TRACK)
end

-- Emits `count` particles of the effect `effect` at the world point (x, y).
function Effects.emit(effect, count, x, y)
    particles.addParticles(effect, count, x * PIXELS_PER_UNIT, y * PIXELS_PER_UNIT, 16, 16, 0, false, false)
end

-- The same at the object `name`, when it exists.
function Effects.emitAt(name, effect, count)
    local object = objects.world[name]
    if object then
        Effects.emit(effect, count, object.x, object.y)
    end
end

-- Plays the impact sound of the object `name` for a hit of `strength` (the engine's damage
-- value), unless it is too soft to hear or the object sounded one a moment ago.
local function soundImpact(name, strength)
    local object = objects.world[name]
    local sound = object and IMPACT_SOUNDS[object.materialName]
    local volume = math.min(1, strength / IMPACT_FULL)
    if sound == nil or volume < IMPACT_QUIETEST or clock - (lastImpact[name] or -IMPACT_PAUSE) < IMPACT_PAUSE then
        return
    end
    lastImpact[name] = clock
    res.playAudio(sound, volume, 0, IMPACT_TRACK)
end

-- A bird hit `target` with the engine's damage value `damage`: the target sounds, and the
-- bird's first hard hit ruffles its feathers.
function Effects.birdHit(bird, target, damage)
    soundImpact(target, damage)
    local flying = objects.world[bird]
    if flying and damage >= FEATHER_DAMAGE and not flying.ruffled then
        flying.ruffled = true
        Effects.emitAt(bird, "feathers", 6)
    end
end

-- Two blocks met: the one that lands sounds, not the ground under it, and a hard landing
-- raises dust.
function Effects.blocksMet(a, b, damage)
    local first = objects.world[a]
    local landing = (first and first.materialName == "ground") and b or a
    soundImpact(landing, damage)
    if damage >= DUST_DAMAGE then
        Effects.emitAt(landing, "dust", 3)
    end
end

-- The object `object` (its table) broke: splinters of its material. Returns its break sound,
-- which the caller plays once for everything that broke at one moment.
function Effects.broke(name, object)
    Effects.emitAt(name, BREAK_PARTICLES[object.materialName] or "sparkles", 10)
    lastImpact[name] = nil
    return BREAK_SOUNDS[object.materialName]
end

-- The object `name` sank to the water's bottom.
function Effects.sank(name)
    Effects.emitAt(name, "waterSplashUp", 6)
    lastImpact[name] = nil
end

-- The engine's water pass: something went into the water, or leapt out of it fast; `isBird` is
-- true for a bird.
function playWaterSplash(isBird)
    Effects.play("splash", isBird and SPLASH_VOLUMES.bird or SPLASH_VOLUMES.block)
end
