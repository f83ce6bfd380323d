-- Building a level from its file: the theme and its placed sprites, the water, and one body per
-- entry of the file's "world" made from its block definition (scripts/blocks.lua) with its
-- material's physics and strength. Portals pair up here: the level's blue portal leads to its
-- orange one. Also what the camera and the level limits need: the extent of the level.

Play = Play or {}
local Level = {}
Play.Level = Level

local PIXELS_PER_UNIT = 20
-- Collider types: blocks, and blocks that sink (stone in a level with water).
local BLOCK_TYPE, SINKING_TYPE = 0, 4
local BLOCK_LAYER = 1
-- The theme of a level that names none the game has.
local DEFAULT_THEME = "meadow"
-- How deep (world units) the water's lift keeps growing.
local WATER_MAX_BUOYANCY_DEPTH = 1.5
-- The slingshot's launch point, which the view of the level always includes.
local SLING_X, SLING_Y = 1, -4.5
-- How far beyond the level's extent (world units) a body counts as gone from the level.
local LIMIT_ROOM = 25
-- What a portal throws out and plays when something goes in and when it comes out.
local PORTAL_EFFECT = {
    { type = "particle", direction = "in", particle = "portalBlue", positionFromPortal = true,
      rotationFromPortal = true },
    { type = "particle", direction = "out", particle = { "portalOrange", "sparkles" }, positionFromPortal = false,
      rotationFromPortal = false },
    { type = "sound", direction = "in", sound = "portal", volume = 0.9 },
}

-- Places the body `name` as the level file's entry `placed` says, in a level with water at
-- `waterLevel` (or none); false for an entry whose definition does not exist (a mistake in the
-- level, reported and left out).
function Level.place(name, placed, waterLevel)
    local definition = blockTable.definitions[placed.definition]
    if not definition then
        printWarning("level: " .. name .. " names no block definition " .. tostring(placed.definition))
        return false
    end
    local material = blockTable.materials[definition.material]
    local sprite = definition.sprite or placed.definition
    if definition.radius then
        createCircle(name, sprite, placed.x, placed.y, definition.radius, material.density, material.friction,
                     material.restitution, false, BLOCK_LAYER)
    else
        createBox(name, sprite, placed.x, placed.y, definition.width, definition.height, material.density,
                  material.friction, material.restitution, true, false, BLOCK_LAYER)
    end
    local sinks = waterLevel ~= nil and definition.material == "stone"
    setColliderType(name, sinks and SINKING_TYPE or definition.colliderType or BLOCK_TYPE)
    if definition.sensor then
        setSensor(name, true)
    end
    if definition.radius and material.density > 0 then
        setRollingSound(name, "roll")
    end
    if (placed.angle or 0) ~= 0 then
        setRotation(name, placed.angle)
    end
    local block = objects.world[name]
    block.definition = placed.definition
    block.materialName = definition.material
    block.floatability = material.floatability
    block.spriteBase = sprite
    local strength = definition.strength or material.strength
    if strength then
        block.strength = strength
        block.fullStrength = strength
        block.defence = material.defence
    end
    return true
end

-- Gives the level's blue portal its passage to the orange one (a level has at most one pair).
function Level.pairPortals()
    local blue, orange
    for name, object in pairs(objects.world) do
        if object.definition == "portal_blue" then
            blue = name
        elseif object.definition == "portal_orange" then
            orange = name
        end
    end
    if blue and not orange then
        printWarning("level: portal " .. blue .. " has no orange portal to lead to")
    end
    if blue and orange then
        local definition = blockTable.definitions.portal_blue
        objects.world[blue].portal = { target = orange, delay = definition.delay, minSpeedOut = definition.minSpeedOut,
                                       effect = PORTAL_EFFECT }
    end
end

-- The names of a table's keys, sorted, so that every run builds and walks the same world.
function Level.sortedNames(list)
    local names = {}
    for name in pairs(list) do
        names[#names + 1] = name
    end
    table.sort(names)
    return names
end

-- The smallest world rectangle around a placed entry's body, turned as it is.
local function extent(placed)
    local definition = blockTable.definitions[placed.definition]
    if definition.radius then
        return definition.radius, definition.radius
    end
    local c, s = math.abs(math.cos(placed.angle or 0)), math.abs(math.sin(placed.angle or 0))
    return (definition.width * c + definition.height * s) / 2, (definition.width * s + definition.height * c) / 2
end

-- The level's extent: left, right and top (world units) of its bodies and the slingshot; the
-- ground, as wide as any level, does not count.
function Level.bounds(level)
    local bounds = { left = SLING_X, right = SLING_X, top = SLING_Y }
    for _, placed in pairs(level.world) do
        if placed.definition ~= "ground" and blockTable.definitions[placed.definition] then
            local halfWidth, halfHeight = extent(placed)
            bounds.left = math.min(bounds.left, placed.x - halfWidth)
            bounds.right = math.max(bounds.right, placed.x + halfWidth)
            bounds.top = math.min(bounds.top, placed.y - halfHeight)
        end
    end
    return bounds
end

-- Empties the world: every body goes, the water drains, and the particles and the flight
-- trails of both trail sets vanish.
function Level.clear()
    for _, name in ipairs(Level.sortedNames(objects.world)) do
        removeObject(name)
        objects.world[name] = nil
        deadBlocks[name] = nil
    end
    objects.waterLevel = nil
    clearParticles()
    startNewTrajectory()
    startNewTrajectory()
end

-- Builds the world of the level table `level`: theme, water and bodies.
local function populate(level)
    if not blockTable.themes[level.theme] then
        printWarning("level: no theme " .. tostring(level.theme) .. ": the meadow stands in")
        level.theme = DEFAULT_THEME
    end
    setTheme(level.theme)
    for _, placed in ipairs(level.themeSprites or {}) do
        createThemeSprite(unpack(placed))
    end
    local theme = blockTable.themes[level.theme]
    setBGColor(theme.color.r, theme.color.g, theme.color.b)
    physicsToWorld = PIXELS_PER_UNIT
    objects.waterLevel = level.waterLevel
    waterMaxBuoyancyDepth = WATER_MAX_BUOYANCY_DEPTH
    timeSinceLevelStart = 0
    for _, name in ipairs(Level.sortedNames(level.world)) do
        Level.place(name, level.world[name], level.waterLevel)
    end
    Level.pairPortals()
    local bounds = Level.bounds(level)
    setLevelLimits(bounds.left - LIMIT_ROOM, 0, bounds.right + LIMIT_ROOM, 0)
end

-- Builds the level of the file levels/<name>.lua; returns the level table as the file gave
-- it, or nil when the file did not load.
function Level.build(name)
    loadedObjects = nil
    loadLevel("/levels/" .. name, "")
    local level = loadedObjects
    if type(level) ~= "table" or type(level.world) ~= "table" then
        printWarning("level: " .. name .. " did not load")
        return nil
    end
    populate(level)
    return level
end

-- Builds the world of the level table `level` again, from scratch.
function Level.rebuild(level)
    Level.clear()
    populate(level)
end
