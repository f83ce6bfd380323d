-- The birds of a shot: launching one from the slingshot, its ability on the player's second
-- press during the flight (once per bird), and when the shot is over. A red bird dashes
-- (faster along its flight), a blue one splits into three small ones fanning out, a black one
-- blasts, pushing away and damaging what is near, on the press or by itself a moment after its
-- first hard impact.

Play = Play or {}
local Birds = {}
Play.Birds = Birds

local Effects, Damage = Play.Effects, Play.Damage

-- Collider type of a bird in flight, its drawing layer, and its filter category: birds pass
-- through one another (their mask lacks their own category), so the split ones fan out freely.
local BIRD_TYPE, BIRD_LAYER = 3, 2
local BIRD_CATEGORY, BIRD_MASK = 2, 0xFFFD

Birds.KINDS = {
    red = { sprite = "bird_red", radius = 0.6, density = 5, ability = "dash" },
    blue = { sprite = "bird_blue", radius = 0.6, density = 4, ability = "split", pieceSprite = "bird_blue_small",
             pieceRadius = 0.4 },
    black = { sprite = "bird_black", radius = 0.6, density = 7, ability = "blast" },
}
local FRICTION, RESTITUTION = 0.5, 0.3

local DASH_FACTOR = 1.8
-- The split: the two new birds fly off this far (radians) either side of the first, and start
-- this far (world units) beside it.
local SPLIT_ANGLE = math.rad(12)
local SPLIT_SPACING = 0.5
-- The blast reaches this far (world units from the bird's centre to a body's edge), pushing a
-- body with up to BLAST_IMPULSE and taking up to BLAST_DAMAGE of its strength, less with
-- distance. Left alone, a black bird blasts this long after its first hard impact (the
-- engine's damage value at least HARD_IMPACT).
local BLAST_RADIUS = 3
local BLAST_IMPULSE = 45
local BLAST_DAMAGE = 30
local BLAST_DELAY = 1.5
local HARD_IMPACT = 1
-- A shot is over when its birds have all gone, left the level or stopped (slower than
-- STOPPED_SPEED, or in the water, for STOPPED_TIME seconds), and at the latest after SHOT_TIME
-- seconds.
local STOPPED_SPEED, STOPPED_TIME = 1, 1
local SHOT_TIME = 8

-- The shot in flight: { kind, names (the birds, the first one launched first), clock,
-- abilityUsed, blastClock (seconds left to a pending blast) }.
local shot = nil
local launched = 0

function Birds.reset()
    shot = nil
    launched = 0
    flyingBird = nil
    otherBirds = nil
end

local function makeBird(name, kind, sprite, radius, x, y, vx, vy)
    local definition = Birds.KINDS[kind]
    createCircle(name, sprite, x, y, radius, definition.density, FRICTION, RESTITUTION, true, BIRD_LAYER)
    setColliderType(name, BIRD_TYPE)
    setFilterCategory(name, BIRD_CATEGORY)
    setFilterMask(name, BIRD_MASK)
    setVelocity(name, vx, vy)
    local bird = objects.world[name]
    bird.kind = kind
    bird.damageFactors = kind
    bird.shot = true
    bird.stillFor = 0
    return bird
end

-- Launches a bird of `kind` from the world point (x, y) at (vx, vy) world units a second.
function Birds.launch(kind, x, y, vx, vy)
    launched = launched + 1
    local name = "bird" .. launched
    local definition = Birds.KINDS[kind]
    flyingBird = makeBird(name, kind, definition.sprite, definition.radius, x, y, vx, vy)
    otherBirds = nil
    currentBirdName = name
    startNewTrajectory()
    shot = { kind = kind, names = { name }, clock = 0, abilityUsed = false }
    Effects.play("launch", math.min(1, math.sqrt(vx * vx + vy * vy) / 24))
end

-- The name of the shot's bird the camera follows: the first that still flies.
function Birds.leader()
    for _, name in ipairs(shot and shot.names or {}) do
        if objects.world[name] then
            return name
        end
    end
    return nil
end

local function dash(name)
    local vx, vy = getVelocity(name)
    setVelocity(name, vx * DASH_FACTOR, vy * DASH_FACTOR)
    Effects.emitAt(name, "feathers", 8)
    Effects.play("dash")
end

local function split(name)
    local definition = Birds.KINDS.blue
    local bird = objects.world[name]
    local vx, vy = getVelocity(name)
    local speed = math.sqrt(vx * vx + vy * vy)
    -- Across the flight, for spacing the new birds beside the first.
    local ax, ay = 0, 1
    if speed > 0 then
        ax, ay = -vy / speed, vx / speed
    end
    resizeCircle(name, definition.pieceRadius)
    setSprite(name, definition.pieceSprite)
    local pieces = {}
    for i, side in ipairs({ -1, 1 }) do
        local c, s = math.cos(side * SPLIT_ANGLE), math.sin(side * SPLIT_ANGLE)
        local piece = name .. "_" .. i
        makeBird(piece, "blue", definition.pieceSprite, definition.pieceRadius, bird.x + side * ax * SPLIT_SPACING,
                 bird.y + side * ay * SPLIT_SPACING, vx * c - vy * s, vx * s + vy * c)
        pieces[#pieces + 1] = piece
        shot.names[#shot.names + 1] = piece
    end
    -- The engine records the flight of up to two more birds beside "flyingBird".
    otherBirds = pieces
    Effects.emitAt(name, "sparkles", 8)
    Effects.play("split")
end

-- Pushes away and damages what is within BLAST_RADIUS of the bird `name`, which is spent.
local function blast(name)
    local bird = objects.world[name]
    for _, other in ipairs(Play.Level.sortedNames(objects.world)) do
        local object = objects.world[other]
        if other ~= name and not object.kind and object.mass and object.mass > 0 then
            local dx, dy = object.x - bird.x, object.y - bird.y
            local distance = math.sqrt(dx * dx + dy * dy)
            local reach = distance - math.min(object.width > 0 and object.width or object.radius * 2,
                                              object.height > 0 and object.height or object.radius * 2) / 2
            if reach < BLAST_RADIUS then
                local falloff = 1 - math.max(0, reach) / BLAST_RADIUS
                if distance > 0 then
                    local push = BLAST_IMPULSE * falloff / distance
                    applyImpulse(other, dx * push, dy * push)
                end
                Damage.hurt(other, BLAST_DAMAGE * falloff)
            end
        end
    end
    Effects.emitAt(name, "blast", 24)
    Effects.emitAt(name, "dust", 10)
    Effects.play("blast")
    removeObject(name)
    objects.world[name] = nil
    shot.blastClock = nil
end

local ABILITIES = { dash = dash, split = split, blast = blast }

-- The player's second press: the shot's bird uses its ability, once, unless it is gone or
-- inside a portal. Returns whether it did.
function Birds.useAbility()
    if not shot or shot.abilityUsed then
        return false
    end
    local name = shot.names[1]
    local bird = objects.world[name]
    if not bird or bird.inPortal then
        return false
    end
    shot.abilityUsed = true
    ABILITIES[Birds.KINDS[shot.kind].ability](name)
    return true
end

-- The engine's report of a hit by the bird `name`: a black bird's first hard one lights its fuse.
function Birds.hit(name, damage)
    if shot and name == shot.names[1] and Birds.KINDS[shot.kind].ability == "blast" and not shot.abilityUsed and
        not shot.blastClock and damage >= HARD_IMPACT then
        shot.blastClock = BLAST_DELAY
    end
end

local function isStopped(bird, dt)
    if bird.inPortal then
        bird.stillFor = 0
        return false
    end
    -- A bird that fell into the water only bobs and skips about there: as good as stopped.
    bird.wet = bird.wet or bird.waterTimerIsActive
    local resting = bird.wet or getSpeed(bird.name) < STOPPED_SPEED
    bird.stillFor = resting and bird.stillFor + dt or 0
    return bird.frozen or bird.stillFor >= STOPPED_TIME
end

-- Advances the shot; returns whether it is over.
function Birds.update(dt)
    if not shot then
        return true
    end
    shot.clock = shot.clock + dt
    if shot.blastClock then
        shot.blastClock = shot.blastClock - dt
        -- A bird inside a portal blasts once it is out; one that is gone never does.
        if shot.blastClock <= 0 and not Birds.useAbility() and not objects.world[shot.names[1]] then
            shot.blastClock = nil
        end
    end
    local over = true
    for _, name in ipairs(shot.names) do
        local bird = objects.world[name]
        if bird and not isStopped(bird, dt) then
            over = false
        end
    end
    return shot.clock >= SHOT_TIME or (over and not shot.blastClock)
end

-- Ends the shot: its birds that are still there go with a puff of feathers.
function Birds.endShot()
    for _, name in ipairs(shot and shot.names or {}) do
        if objects.world[name] then
            Effects.emitAt(name, "feathers", 6)
            removeObject(name)
            objects.world[name] = nil
        end
    end
    shot = nil
    flyingBird = nil
    otherBirds = nil
end

-- The engine's portal reports (also in the log, for headless runs): a bird inside a passage is
-- neither stopped nor able to use its ability.
function birdTravellingThroughPortal(name)
    printWarning("portal: " .. name .. " entered")
    local bird = objects.world[name]
    if bird then
        bird.inPortal = true
    end
end

local function leftPortal(name, how)
    printWarning("portal: " .. name .. " " .. how)
    local bird = objects.world[name]
    if bird then
        bird.inPortal = nil
    end
end

function objectExitingThroughPortal(name)
    leftPortal(name, "came out")
end

function objectTeleportationAborted(name)
    leftPortal(name, "turned back")
end

-- The engine removes an object that kept looping between portals right after this call: the
-- scripts forget it first.
function onObjectRemoved(name)
    printWarning("portal: " .. name .. " removed after looping")
    objects.world[name] = nil
end
