-- The player's pointer, for the menus and for play alike: one touch (the left mouse button counts
-- as one) followed across frames, so that a press and its release can be told apart from a touch
-- that is merely held, and the second finger of a pinch. The engine publishes only the touches
-- held this frame; a release is a followed touch that is gone. gamelogic.lua updates it once a
-- frame, before the screens and play look at it.

Pointer = {
    -- Where the followed touch is (or was last seen), screen pixels.
    x = 0,
    y = 0,
    -- Whether a touch is held, began this frame, or ended this frame.
    down = false,
    pressed = false,
    released = false,
    -- How many touches are held, and the second one ({ x, y }) while a pinch has two.
    count = 0,
    second = nil,
}

-- The touch being followed, by its id, while it is held.
local followed = nil

-- The held touches in id order: the first finger down is first, on every machine the same one.
local function heldTouches()
    local list = {}
    for id, touch in pairs(touches or {}) do
        list[#list + 1] = { id = tonumber(id) or 0, x = touch.x, y = touch.y }
    end
    table.sort(list, function(a, b)
        return a.id < b.id
    end)
    return list
end

-- Reads this frame's touches: call once a frame, before anything asks the pointer.
function Pointer.update()
    local held = heldTouches()
    Pointer.pressed, Pointer.released = false, false
    Pointer.count = #held
    Pointer.second = nil
    for _, touch in ipairs(held) do
        if touch.id ~= (followed or held[1].id) then
            Pointer.second = touch
            break
        end
    end
    if followed ~= nil then
        local touch = touches and touches[tostring(followed)]
        if touch then
            Pointer.x, Pointer.y = touch.x, touch.y
        else
            followed = nil
            Pointer.down, Pointer.released = false, true
        end
        return
    end
    if held[1] then
        followed = held[1].id
        Pointer.x, Pointer.y = held[1].x, held[1].y
        Pointer.down, Pointer.pressed = true, true
    end
end

-- The distance between the followed touch and the second one and their midpoint, or nil without
-- a second touch.
function Pointer.pinch()
    local second = Pointer.second
    if not second then
        return nil
    end
    local dx, dy = second.x - Pointer.x, second.y - Pointer.y
    return math.sqrt(dx * dx + dy * dy), (Pointer.x + second.x) / 2, (Pointer.y + second.y) / 2
end

-- Whether the point (x, y) lies in the rectangle with its top-left corner at (left, top).
function Pointer.inside(x, y, left, top, width, height)
    return x >= left and x < left + width and y >= top and y < top + height
end
