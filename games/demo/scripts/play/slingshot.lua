-- The slingshot: the player presses on the bird in it (within GRAB_RADIUS screen pixels), pulls
-- it back (at most PULL_LIMIT pixels) and lets go; the bird flies off the opposite way from the
-- launch point at PULL_SPEED world units a second per pixel of pull. While the player pulls, the
-- rubber band stretches to the bird and dots show where it will fly. The birds still to come
-- wait on the ground behind the slingshot in the order they will be shot.

Play = Play or {}
local Sling = {}
Play.Sling = Sling

local Camera = Play.Camera

local PIXELS_PER_UNIT = 20
Sling.X, Sling.Y = 1, -4.5
local GRAB_RADIUS = 40
local PULL_LIMIT = 80
local PULL_SPEED = 0.3
-- A pull shorter than this (pixels) puts the bird back rather than launching it.
local PULL_MINIMUM = 8
-- Where the slingshot's two prongs hold the rubber band, scene pixels from the launch point, and
-- the band's thickness.
local PRONGS = { { x = -9, y = -14 }, { x = 9, y = -14 } }
local BAND_THICKNESS = 5
-- The waiting birds: the first stands this far (world units) behind the slingshot, the others
-- this far apart.
local QUEUE_START, QUEUE_SPACING = 1.6, 1.4

-- The pull while the player aims (screen pixels from the bird's place), or nil.
local pull = nil

function Sling.reset()
    pull = nil
end

function Sling.isAiming()
    return pull ~= nil
end

-- The screen point of the bird waiting in the slingshot.
function Sling.screenPoint()
    return Camera.toScreen(Sling.X, Sling.Y)
end

-- Takes hold of the bird when the screen point (x, y) is on it; returns whether it did.
function Sling.grab(x, y)
    local sx, sy = Sling.screenPoint()
    if (x - sx) ^ 2 + (y - sy) ^ 2 > GRAB_RADIUS ^ 2 then
        return false
    end
    pull = { x = 0, y = 0 }
    return true
end

-- Follows the pointer at the screen point (x, y), within the longest pull.
function Sling.drag(x, y)
    local sx, sy = Sling.screenPoint()
    local dx, dy = x - sx, y - sy
    local length = math.sqrt(dx * dx + dy * dy)
    local scale = length > PULL_LIMIT and PULL_LIMIT / length or 1
    pull = { x = dx * scale, y = dy * scale }
end

local function launchVelocity()
    return -pull.x * PULL_SPEED, -pull.y * PULL_SPEED
end

-- Lets go: returns the launch velocity (world units a second), or nil for a pull too short.
function Sling.release()
    local length = math.sqrt(pull.x ^ 2 + pull.y ^ 2)
    local vx, vy = launchVelocity()
    pull = nil
    if length < PULL_MINIMUM then
        return nil
    end
    return vx, vy
end

local function birdSprite(kind)
    return Play.Birds.KINDS[kind].sprite
end

-- The aiming dots march along the flight path with play's time.
function Sling.advance(dt)
    g_sling_scope_animation = (g_sling_scope_animation or 0) + dt
end

-- Draws the slingshot with `loaded` (a bird kind, or nil) in it, and the kinds of `waiting`
-- queued behind it; in scene pixels, through the camera the scene drawing left set.
function Sling.draw(loaded, waiting)
    local x, y = Sling.X * PIXELS_PER_UNIT, Sling.Y * PIXELS_PER_UNIT
    res.drawCompoSprite("slingshot", x, y)
    if loaded then
        local scale = Camera.scale()
        local birdX, birdY = x + (pull and pull.x / scale or 0), y + (pull and pull.y / scale or 0)
        if pull then
            rubberBandPos = { x = Sling.X, y = Sling.Y }
            local vx, vy = launchVelocity()
            drawSlingScopeNative(vx, vy, 0)
            drawRubberband(x + PRONGS[1].x, y + PRONGS[1].y, birdX, birdY, BAND_THICKNESS, "RUBBERBAND")
        end
        res.drawSprite(birdSprite(loaded), birdX, birdY)
        if pull then
            drawRubberband(x + PRONGS[2].x, y + PRONGS[2].y, birdX, birdY, BAND_THICKNESS, "RUBBERBAND")
        end
    end
    -- In a flood they float on the water.
    local standing = -(objects.waterLevel or 0)
    for i, kind in ipairs(waiting) do
        local radius = Play.Birds.KINDS[kind].radius
        res.drawSprite(birdSprite(kind), (Sling.X - QUEUE_START - (i - 1) * QUEUE_SPACING) * PIXELS_PER_UNIT,
                       (standing - radius) * PIXELS_PER_UNIT)
    end
end
