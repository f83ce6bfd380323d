-- Damage and breaking. The engine takes strength off the blocks a hit reaches (their tables'
-- "strength", less their "defence") and lists what falls to 0 or below in "deadBlocks"; here
-- the damage scores, a block shows its wear (the "_cracked" sprite below two thirds of its
-- strength, "_broken" below one third; a target looks hurt below two thirds) and what broke is
-- removed, sounded and scored. Bodies that fell out of the level count as broken.

Play = Play or {}
local Damage = {}
Play.Damage = Damage

local Score, Effects = Play.Score, Play.Effects

-- Wear by the share of strength left: below each share the sprite gets its suffix.
local BLOCK_WEAR = { { share = 1 / 3, suffix = "_broken" }, { share = 2 / 3, suffix = "_cracked" } }
local TARGET_WEAR = { { share = 2 / 3, suffix = "_hurt" } }

-- Names of the objects hit since their wear was last shown.
local hit = {}

function Damage.reset()
    hit = {}
end

local function isTarget(object)
    return object.materialName == "target"
end

function Damage.targetsLeft()
    local count = 0
    for _, object in pairs(objects.world) do
        if isTarget(object) then
            count = count + 1
        end
    end
    return count
end

-- Takes `amount` of strength off the object `name` (beyond its defence), as a bird's hit does,
-- scores it and lists the object in deadBlocks when nothing is left. For damage the engine does
-- not deal itself (a blast).
function Damage.hurt(name, amount)
    local object = objects.world[name]
    if not object or not object.strength or object.strength <= 0 then
        return
    end
    local excess = amount - (object.defence or 0)
    if excess <= 0 then
        return
    end
    Score.add(math.min(excess, object.strength) * Score.POINTS_PER_DAMAGE)
    object.strength = object.strength - excess
    hit[name] = true
    if object.strength <= 0 then
        deadBlocks[name] = object
    end
end

-- The sprite the object shows for the strength it has left.
local function wornSprite(object)
    local share = object.strength / object.fullStrength
    for _, wear in ipairs(isTarget(object) and TARGET_WEAR or BLOCK_WEAR) do
        if share < wear.share then
            return object.spriteBase .. wear.suffix
        end
    end
    return object.spriteBase
end

-- Shows the wear of what was hit; called from the frame update, outside the physics step.
function Damage.showWear()
    for name in pairs(hit) do
        local object = objects.world[name]
        if object and object.fullStrength and object.strength > 0 then
            local sprite = wornSprite(object)
            if sprite ~= object.sprite then
                setSprite(name, sprite)
            end
        end
    end
    hit = {}
end

-- Bodies with a strength that left the level (the engine marks them "frozen") break.
function Damage.breakLost()
    for name, object in pairs(objects.world) do
        if object.frozen and object.strength and object.strength > 0 and not object.kind then
            object.strength = 0
            deadBlocks[name] = object
        end
    end
end

function birdCollision(bird, target, damage, applied)
    Score.add(applied * Score.POINTS_PER_DAMAGE)
    hit[target] = true
    Effects.birdHit(bird, target, damage)
    Play.Birds.hit(bird, damage)
end

function blockCollision(a, b, damage, applied)
    Score.add(applied * Score.POINTS_PER_DAMAGE)
    hit[a], hit[b] = true, true
    Effects.blocksMet(a, b, damage)
end

-- After every physics step: removes what broke or sank. Whatever breaks in one step is heard
-- once per kind of sound.
function removeBlocks()
    local sounds = {}
    -- The engine keeps a reference to this table: empty it, never replace it.
    for name, object in pairs(deadBlocks) do
        if objects.world[name] == object then
            -- What goes under the surface (stone sinks to the bottom) ends in a splash.
            if objects.waterLevel and object.y > -objects.waterLevel and not isTarget(object) then
                Effects.sank(name)
            else
                sounds[Effects.broke(name, object) or "target"] = true
            end
            Score.add(isTarget(object) and Score.POINTS_PER_TARGET or Score.POINTS_PER_BLOCK)
            removeObject(name)
            objects.world[name] = nil
            hit[name] = nil
        end
        deadBlocks[name] = nil
    end
    for sound in pairs(sounds) do
        Effects.play(sound)
    end
end
