-- The scenery behind the menus while no level is loaded: the meadow's sky and sun, clouds
-- drifting over far hills, and the near hills on the grass, in screen pixels.

Backdrop = {}

-- Where the grass line lies above the screen's bottom, pixels, and the ground's colour below it.
local GROUND_HEIGHT = 70
local GROUND_COLOUR = { 0.36, 0.62, 0.26 }
-- The clouds: where each starts across the screen (a share of its width), its height (pixels)
-- and its speed (pixels a second).
local CLOUDS = { { 0.1, 70, 9 }, { 0.55, 130, 6 }, { 0.8, 40, 12 } }
local SUN_RIGHT, SUN_TOP = 130, 60
-- The sky picture is stretched past the screen's edges, so that its soft borders stay out of view.
local SKY_MARGIN = 60

local clock = 0

function Backdrop.update(dt)
    clock = clock + dt
end

-- Repeats the sprite `name` along the line y = `bottom`, its bottom on the line, from the
-- screen's left edge moved `offset` pixels.
local function tileAlong(name, bottom, offset)
    local width = res.getSpriteBounds(name)
    if width <= 0 then
        return
    end
    -- Whole pixels: a tile placed between pixels leaves a seam of blended edges.
    for x = -(math.floor(offset) % width), screenWidth, width do
        res.drawSprite(name, x, bottom, "BOTTOM", "LEFT")
    end
end

-- The grass line, screen pixels: what stands on the ground of the menus stands on it.
function Backdrop.groundY()
    return screenHeight - GROUND_HEIGHT
end

function Backdrop.draw()
    res.drawSprite("sky", -SKY_MARGIN, -SKY_MARGIN, "TOP", "LEFT", screenWidth + 2 * SKY_MARGIN,
                   screenHeight + 2 * SKY_MARGIN)
    res.drawSprite("sun", screenWidth - SUN_RIGHT, SUN_TOP, "TOP", "HCENTER")
    for _, cloud in ipairs(CLOUDS) do
        local width = res.getSpriteBounds("cloud")
        local span = screenWidth + width
        local x = (cloud[1] * span + clock * cloud[3]) % span - width
        res.drawSprite("cloud", x, cloud[2], "TOP", "LEFT")
    end
    local ground = Backdrop.groundY()
    tileAlong("hills_far", ground, clock * 2)
    tileAlong("hill", ground, clock * 5)
    drawRect(GROUND_COLOUR[1], GROUND_COLOUR[2], GROUND_COLOUR[3], 1, 0, ground, screenWidth, screenHeight, false)
    tileAlong("grass", ground, 0)
end
