-- The camera over a level: where the screen looks (the world point at its centre) and how
-- near (the world scale). A level opens on its home view, fitted to the slingshot and the
-- structure with the ground along the bottom; the camera follows a bird in flight and eases
-- back home for the next shot. The player may drag to pan and turn the wheel (or pinch) to
-- zoom; the view never leaves the level's limits. The engine draws through setTopLeft (the
-- scene pixel at the screen's top-left corner) and setWorldScale.

Play = Play or {}
local Camera = {}
Play.Camera = Camera

local PIXELS_PER_UNIT = 20
-- World units of sky and level kept around the level's objects in the home view, and of ground
-- shown below the ground line (y = 0).
local MARGIN = 2
local GROUND_SHOWN = 3
-- The home view keeps the level below this band at the screen's top (pixels), where the HUD is.
local HUD_BAND = 80
-- Room beyond the level's objects the player may pan to, sideways and upwards (world units).
local PAN_ROOM = 10
local SKY_ROOM = 20
-- The home view never zooms in past 1 (sprites at their drawn size); the player may zoom
-- between MIN_SCALE and MAX_SCALE.
local HOME_MAX_SCALE = 1
local MIN_SCALE, MAX_SCALE = 0.3, 1.6
-- The share of the remaining way the camera moves each second, and how close (pixels on the
-- screen, and scale) counts as there.
local EASE = 3.5
local ARRIVED_PIXELS, ARRIVED_SCALE = 0.5, 0.001
-- The view follows a body once it is more than FOLLOW_AHEAD of half the screen's width right of
-- the middle, or more than FOLLOW_HEADROOM of half its height above it.
local FOLLOW_AHEAD, FOLLOW_HEADROOM = 0.4, 0.6
-- One wheel notch zooms by this factor.
local WHEEL_FACTOR = 1.15

local view = { x = 0, y = 0, scale = 1 }
local goal = { x = 0, y = 0, scale = 1 }
local home = { x = 0, y = 0, scale = 1 }
local limits = { left = -20, right = 40, top = -40, bottom = GROUND_SHOWN }
local followed = nil
local pinchStart = nil

local function halfSize(scale)
    return screenWidth / (2 * scale * PIXELS_PER_UNIT), screenHeight / (2 * scale * PIXELS_PER_UNIT)
end

-- `spot` moved so that its view stays within the limits; a view wider (or taller) than the
-- limits is centred across them (or stands on their bottom).
local function clamp(spot)
    local halfWidth, halfHeight = halfSize(spot.scale)
    if limits.right - limits.left <= 2 * halfWidth then
        spot.x = (limits.left + limits.right) / 2
    else
        spot.x = math.max(limits.left + halfWidth, math.min(limits.right - halfWidth, spot.x))
    end
    if limits.bottom - limits.top <= 2 * halfHeight then
        spot.y = limits.bottom - halfHeight
    else
        spot.y = math.max(limits.top + halfHeight, math.min(limits.bottom - halfHeight, spot.y))
    end
    return spot
end

local function copy(spot)
    return { x = spot.x, y = spot.y, scale = spot.scale }
end

-- The smallest zoom the player may reach: MIN_SCALE, or less when the home view already is.
local function smallestScale()
    return math.min(MIN_SCALE, home.scale)
end

-- Fits the home view to `bounds` (left, right, top in world units; the ground line is the
-- bottom) and puts the camera there.
function Camera.reset(bounds)
    local left, right = bounds.left - MARGIN, bounds.right + MARGIN
    local top, bottom = bounds.top - MARGIN, GROUND_SHOWN
    limits = { left = left - PAN_ROOM, right = right + PAN_ROOM, top = top - SKY_ROOM, bottom = bottom }
    local scale = math.min(screenWidth / ((right - left) * PIXELS_PER_UNIT),
                           (screenHeight - HUD_BAND) / ((bottom - top) * PIXELS_PER_UNIT), HOME_MAX_SCALE)
    local _, halfHeight = halfSize(scale)
    home = clamp({ x = (left + right) / 2, y = bottom - halfHeight, scale = scale })
    view, goal = copy(home), copy(home)
    followed = nil
    pinchStart = nil
end

-- Screen pixels of the world point (x, y), and back.
function Camera.toScreen(x, y)
    local left, top = Camera.visible()
    local pixels = PIXELS_PER_UNIT * view.scale
    return (x - left) * pixels, (y - top) * pixels
end

function Camera.toWorld(sx, sy)
    local left, top = Camera.visible()
    local pixels = PIXELS_PER_UNIT * view.scale
    return left + sx / pixels, top + sy / pixels
end

-- The world rectangle on the screen: left, top, right, bottom.
function Camera.visible()
    local halfWidth, halfHeight = halfSize(view.scale)
    return view.x - halfWidth, view.y - halfHeight, view.x + halfWidth, view.y + halfHeight
end

function Camera.scale()
    return view.scale
end

-- Keeps the object `name` in the middle of the view while it exists (nil: stops following).
function Camera.follow(name)
    followed = name
end

-- Eases back to the home view.
function Camera.goHome()
    followed = nil
    goal = copy(home)
end

function Camera.isHome()
    return view.x == home.x and view.y == home.y and view.scale == home.scale
end

-- The player's pan: the view moves with a drag of (dx, dy) screen pixels, and stops following.
function Camera.pan(dx, dy)
    followed = nil
    view.x = view.x - dx / (PIXELS_PER_UNIT * view.scale)
    view.y = view.y - dy / (PIXELS_PER_UNIT * view.scale)
    view = clamp(view)
    goal = copy(view)
end

-- Zooms by `factor` about the screen point (sx, sy), which keeps showing the same world point.
function Camera.zoom(factor, sx, sy)
    local wx, wy = Camera.toWorld(sx, sy)
    view.scale = math.max(smallestScale(), math.min(MAX_SCALE, view.scale * factor))
    local nx, ny = Camera.toWorld(sx, sy)
    view.x, view.y = view.x + wx - nx, view.y + wy - ny
    view = clamp(view)
    goal.scale = view.scale
    if not followed then
        goal = copy(view)
    end
end

-- The wheel and the pinch. A pinch zooms with the distance between the two fingers relative
-- to where it began.
function Camera.handleZoomInput(pointer)
    if cursor and cursor.wheelTriggered and (cursor.wheel or 0) ~= 0 then
        Camera.zoom(WHEEL_FACTOR ^ cursor.wheel, cursor.x or screenWidth / 2, cursor.y or screenHeight / 2)
    end
    local distance, cx, cy = pointer.pinch()
    if distance and distance > 0 then
        if not pinchStart then
            pinchStart = { distance = distance, scale = view.scale }
        end
        Camera.zoom(pinchStart.scale * distance / pinchStart.distance / view.scale, cx, cy)
    else
        pinchStart = nil
    end
end

-- Eases one component of the view towards the goal, arriving exactly once near enough.
local function ease(from, to, rate, near)
    if math.abs(to - from) <= near then
        return to
    end
    return from + (to - from) * rate
end

-- Where the view goes to keep the followed body in sight: never back behind the home view, and
-- up only when the body climbs into the top of the screen.
local function following(target)
    local halfWidth, halfHeight = halfSize(goal.scale)
    local x = math.max(home.x, target.x - FOLLOW_AHEAD * halfWidth)
    local y = math.min(home.y, target.y + FOLLOW_HEADROOM * halfHeight)
    return clamp({ x = x, y = y, scale = goal.scale })
end

function Camera.update(dt)
    local target = followed and objects.world[followed]
    if target then
        goal = following(target)
    end
    local rate = math.min(1, dt * EASE)
    local near = ARRIVED_PIXELS / (PIXELS_PER_UNIT * view.scale)
    view.scale = ease(view.scale, goal.scale, rate, ARRIVED_SCALE)
    view.x = ease(view.x, goal.x, rate, near)
    view.y = ease(view.y, goal.y, rate, near)
end

-- Hands the view to the engine's scene drawing.
function Camera.apply()
    local left, top = Camera.visible()
    setTopLeft(left * PIXELS_PER_UNIT, top * PIXELS_PER_UNIT)
    setWorldScale(view.scale)
end
