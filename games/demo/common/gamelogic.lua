-- The demo game: a slingshot on a meadow fires birds at a tower of wood, stone and ice. The
-- physics world makes the blocks tumble; hits damage them, and broken blocks and targets are
-- removed. Three birds a round; the tower is rebuilt when they are spent or both targets are gone.
-- Everything is drawn with upright rectangles until the engine draws the scene itself. Escape quits.

local PIXELS_PER_UNIT = 20
-- The world point at the screen's top-left corner (world units; y grows downwards).
local VIEW_LEFT, VIEW_TOP = -5, -25
local SLING_X, SLING_Y = 1, -4.5
local LAUNCH_VX, LAUNCH_VY = 22, -14
local BIRD_RADIUS = 0.6
local BIRDS_PER_ROUND = 3
local AIM_TIME = 0.5
local SHOT_TIME_LIMIT = 6
local POINTS_PER_DAMAGE = 10
local POINTS_PER_BREAK = 500

local clock = 0
local shotClock = 0
local birdsLeft = 0
local birdCount = 0
local birdName = nil
local trail = {}

function updateValues()
    g_safeToQuit = true
    zoomLevel = 1
    score = 0
    launches = 0
end

local function toScreen(x, y)
    return (x - VIEW_LEFT) * PIXELS_PER_UNIT, (y - VIEW_TOP) * PIXELS_PER_UNIT
end

local function placeBlock(name, placed)
    local definition = blockTable.definitions[placed.definition]
    local material = blockTable.materials[definition.material]
    if definition.radius then
        createCircle(name, "", placed.x, placed.y, definition.radius, material.density, material.friction,
                     material.restitution, false, 1)
    else
        createBox(name, "", placed.x, placed.y, definition.width, definition.height, material.density,
                  material.friction, material.restitution, true, false, 1)
    end
    setColliderType(name, definition.colliderType or 0)
    if placed.angle ~= 0 then
        setRotation(name, placed.angle)
    end
    local block = objects.world[name]
    block.materialName = definition.material
    block.strength = material.strength
    block.ignoreGroundDamage = definition.colliderType == 2
end

local function targetsLeft()
    local count = 0
    for _, object in pairs(objects.world) do
        if object.materialName == "target" then
            count = count + 1
        end
    end
    return count
end

local function buildLevel()
    loadLevel("/levels/demo", "")
    setTheme(loadedObjects.theme)
    local theme = blockTable.themes[loadedObjects.theme]
    setBGColor(theme.color.r, theme.color.g, theme.color.b)
    -- Placed in name order, so that every run builds the same world.
    local names = {}
    for name in pairs(loadedObjects.world) do
        names[#names + 1] = name
    end
    table.sort(names)
    for _, name in ipairs(names) do
        placeBlock(name, loadedObjects.world[name])
    end
    birdsLeft = BIRDS_PER_ROUND
    birdName = nil
    flyingBird = nil
    shotClock = 0
end

function createStartUpAssets()
    settings.launches = settings.launches or 0
    settings.playtime = settings.playtime or 0
    buildLevel()
end

local function launchBird()
    birdCount = birdCount + 1
    birdName = "bird" .. birdCount
    createCircle(birdName, "", SLING_X, SLING_Y, BIRD_RADIUS, 2, 0.5, 0.3, true, 2)
    setColliderType(birdName, 3)
    local bird = objects.world[birdName]
    bird.damageFactors = "red"
    bird.shot = true
    setVelocity(birdName, LAUNCH_VX, LAUNCH_VY)
    flyingBird = bird
    startNewTrajectory()
    trail = {}
    birdsLeft = birdsLeft - 1
    launches = launches + 1
    settings.launches = settings.launches + 1
end

local function shotIsOver()
    local bird = objects.world[birdName]
    return bird == nil or bird.frozen or shotClock > SHOT_TIME_LIMIT or (shotClock > 1.5 and not hasMovingObjects)
end

function birdCollision(bird, target, damage, applied)
    score = score + math.floor(applied * POINTS_PER_DAMAGE)
end

function blockCollision(a, b, damage, applied)
    score = score + math.floor(applied * POINTS_PER_DAMAGE)
end

function removeBlocks()
    -- The engine keeps a reference to this table: empty it, never replace it.
    for name in pairs(deadBlocks) do
        if objects.world[name] then
            removeObject(name)
            objects.world[name] = nil
            score = score + POINTS_PER_BREAK
        end
        deadBlocks[name] = nil
    end
end

local function drawObject(object)
    local material = blockTable.materials[object.materialName or ""]
    local r, g, b = 0.85, 0.1, 0.1
    if material then
        r, g, b = material.r, material.g, material.b
    end
    local x, y = toScreen(object.x, object.y)
    local halfWidth, halfHeight
    if object.type == "circle" then
        halfWidth = object.radius * PIXELS_PER_UNIT
        halfHeight = halfWidth
    else
        halfWidth = object.width * PIXELS_PER_UNIT / 2
        halfHeight = object.height * PIXELS_PER_UNIT / 2
    end
    drawRect(r, g, b, 1, x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight, false)
end

local function drawSlingshot()
    local x, y = toScreen(SLING_X, SLING_Y)
    local _, groundY = toScreen(0, 0)
    drawRect(0.45, 0.28, 0.12, 1, x - 14, y, x - 6, groundY, false)
    drawRect(0.45, 0.28, 0.12, 1, x + 6, y, x + 14, groundY, false)
    drawRect(0.45, 0.28, 0.12, 1, x - 14, y + 40, x + 14, y + 50, false)
end

local function drawStars()
    local limits = starTable.demo
    for i = 1, #limits do
        local x = 20 + (i - 1) * 36
        drawRect(0.2, 0.2, 0.2, 0.6, x - 2, 18, x + 30, 50, false)
        if score >= limits[i] then
            drawRect(1, 0.85, 0.1, 1, x, 20, x + 28, 48, false)
        else
            drawRect(0.6, 0.6, 0.6, 1, x, 20, x + 28, 48, false)
        end
    end
end

local function play(dt)
    shotClock = shotClock + dt
    if birdName == nil then
        if shotClock > AIM_TIME then
            launchBird()
            shotClock = 0
        end
    elseif shotIsOver() then
        if objects.world[birdName] then
            removeObject(birdName)
            objects.world[birdName] = nil
        end
        birdName = nil
        flyingBird = nil
        shotClock = 0
        if birdsLeft == 0 or targetsLeft() == 0 then
            buildLevel()
        end
    end
end

function update(dt)
    clock = clock + dt
    play(dt)
    if keyPressed.ESCAPE then
        requestExit()
    end

    drawRect(1, 0.93, 0.45, 1, screenWidth - 130, 40, screenWidth - 70, 100, false)
    drawSlingshot()
    local bird = birdName and objects.world[birdName]
    if bird then
        local x, y = toScreen(bird.x, bird.y)
        if #trail == 0 or math.abs(trail[#trail][1] - x) > 20 then
            trail[#trail + 1] = { x, y }
        end
    end
    for _, point in ipairs(trail) do
        drawRect(1, 1, 1, 0.8, point[1] - 3, point[2] - 3, point[1] + 3, point[2] + 3, false)
    end
    for _, object in pairs(objects.world) do
        drawObject(object)
    end
    drawStars()
    local cx, cy = cursor.x or 0, cursor.y or 0
    drawRect(0, 0, 0, 1, cx - 8, cy - 1, cx + 8, cy + 1, false)
    drawRect(0, 0, 0, 1, cx - 1, cy - 8, cx + 1, cy + 8, false)
end

function applyForcesAtPhysicsStep()
end

function clearLuaForceFunctions()
end

function gamePaused()
end

function gameResumed()
end

function resolutionChanged(width, height)
    screenWidth = width
    screenHeight = height
end

function calculatePlaytime()
    settings.playtime = settings.playtime + clock
end
