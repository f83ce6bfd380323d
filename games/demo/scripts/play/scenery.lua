-- The scene of a level, drawn each frame: the theme's sky behind everything (in screen space),
-- its layers, the bodies, the slingshot, the water in front of what is in it, the theme's
-- foreground and the particles (in scene pixels, through the camera).

Play = Play or {}
local Scenery = {}
Play.Scenery = Scenery

local Camera = Play.Camera

local PIXELS_PER_UNIT = 20
-- The sky picture is stretched past the screen's edges, so that its soft borders stay out of
-- view; the sun stands this far (pixels) from the screen's top-right corner.
local SKY_MARGIN = 60
local SUN_X, SUN_Y = 100, 70
-- The water surface tile's width (scene pixels) and how fast its waves drift (pixels a second).
local WATER_TILE = 64
local WATER_DRIFT = 12

local clock = 0

local function drawSky(theme)
    res.drawSprite(theme.sky, -SKY_MARGIN, -SKY_MARGIN, "TOP", "LEFT", screenWidth + 2 * SKY_MARGIN,
                   screenHeight + 2 * SKY_MARGIN)
    res.drawSprite(theme.sun, screenWidth - SUN_X, SUN_Y)
end

-- The surface tile repeats along the water line across the view, drifting slowly, stretched
-- down to the ground line (y = 0).
local function drawWater()
    if not objects.waterLevel then
        return
    end
    local surface = -objects.waterLevel * PIXELS_PER_UNIT
    local left, _, right = Camera.visible()
    left, right = left * PIXELS_PER_UNIT, right * PIXELS_PER_UNIT
    local first = left - (left - clock * WATER_DRIFT) % WATER_TILE
    for x = first, right, WATER_TILE do
        res.drawSprite("water", x, surface, "TOP", "LEFT", WATER_TILE, -surface)
    end
end

-- The water's waves drift with play's time.
function Scenery.advance(dt)
    clock = clock + dt
end

-- Draws the level `level` (its file's table) with the slingshot drawn by `drawSlingshot`.
function Scenery.draw(level, drawSlingshot)
    drawSky(blockTable.themes[level.theme])
    Camera.apply()
    drawBackgroundNative()
    drawGameNative()
    drawSlingshot()
    drawWater()
    drawForegroundNative()
    drawParticlesNative()
    -- Back to screen space for what is drawn over the scene.
    setRenderState(0, 0, 1, 1, 0, 0, 0, 1)
end
