-- The demo game: a slingshot on a meadow fires a bird in an arc at a small tower, over and over.
-- Everything is drawn with rectangles. Escape quits.

local GROUND_HEIGHT = 100
local BLOCK_SIZE = 40
local FLIGHT_TIME = 3.0
local LAUNCH_SPEED_X = 180
local LAUNCH_SPEED_Y = -330
local GRAVITY = 220

local clock = 0
local flight = 0
local trail = {}
local sky = { r = 120, g = 190, b = 235 }

function updateValues()
    g_safeToQuit = true
    zoomLevel = 1
    score = 0
    launches = 0
end

function createStartUpAssets()
    settings.launches = settings.launches or 0
    settings.playtime = settings.playtime or 0
    setBGColor(sky.r, sky.g, sky.b)
end

local function groundTop()
    return screenHeight - GROUND_HEIGHT
end

local function slingPosition()
    return 120, groundTop() - 90
end

local function drawTower(baseX)
    local top = groundTop()
    for row, block in ipairs(blockTable.tower) do
        local material = blockTable.materials[block[1]]
        local x1 = baseX + block[2] * BLOCK_SIZE
        local y2 = top - (row - 1) * BLOCK_SIZE
        -- The tower sways a little, more towards its top.
        local sway = math.sin(clock * 2) * row
        drawRect(material.r, material.g, material.b, 1, x1 + sway, y2 - BLOCK_SIZE + 2,
                 x1 + sway + block[3] * BLOCK_SIZE - 2, y2, false)
    end
end

local function drawSlingshot()
    local x, y = slingPosition()
    drawRect(0.45, 0.28, 0.12, 1, x - 14, y, x - 6, groundTop(), false)
    drawRect(0.45, 0.28, 0.12, 1, x + 6, y, x + 14, groundTop(), false)
    drawRect(0.45, 0.28, 0.12, 1, x - 14, y + 40, x + 14, y + 50, false)
end

local function birdPosition()
    local x, y = slingPosition()
    return x + LAUNCH_SPEED_X * flight, y + LAUNCH_SPEED_Y * flight + GRAVITY * flight * flight / 2
end

local function drawStars()
    local limits = starTable.demo
    for i = 1, #limits do
        local x = 20 + (i - 1) * 36
        local lit = score >= limits[i]
        drawRect(0.2, 0.2, 0.2, 0.6, x - 2, 18, x + 30, 50, false)
        if lit then
            drawRect(1, 0.85, 0.1, 1, x, 20, x + 28, 48, false)
        else
            drawRect(0.6, 0.6, 0.6, 1, x, 20, x + 28, 48, false)
        end
    end
end

function update(dt)
    clock = clock + dt
    flight = flight + dt
    if flight > FLIGHT_TIME then
        flight = 0
        trail = {}
        launches = launches + 1
        settings.launches = settings.launches + 1
        score = score + 1500
    end
    if keyPressed.ESCAPE then
        requestExit()
    end

    -- Sun and meadow.
    drawRect(1, 0.93, 0.45, 1, screenWidth - 130, 40, screenWidth - 70, 100, false)
    drawRect(0.36, 0.62, 0.26, 1, 0, groundTop(), screenWidth, screenHeight, false)

    drawTower(screenWidth - 260)
    drawSlingshot()

    local bx, by = birdPosition()
    if #trail == 0 or math.abs(trail[#trail][1] - bx) > 20 then
        trail[#trail + 1] = { bx, by }
    end
    for _, point in ipairs(trail) do
        drawRect(1, 1, 1, 0.8, point[1] - 3, point[2] - 3, point[1] + 3, point[2] + 3, false)
    end
    drawRect(0.85, 0.1, 0.1, 1, bx - 14, by - 14, bx + 14, by + 14, false)

    drawStars()
    local cx, cy = cursor.x or 0, cursor.y or 0
    drawRect(0, 0, 0, 1, cx - 8, cy - 1, cx + 8, cy + 1, false)
    drawRect(0, 0, 0, 1, cx - 1, cy - 8, cx + 1, cy + 8, false)
end

function applyForcesAtPhysicsStep()
end

function removeBlocks()
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
