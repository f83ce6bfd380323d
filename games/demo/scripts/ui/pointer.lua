-- The pointer the menus follow: one touch (the left mouse button counts as one) tracked across
-- frames, so that a press and its release can be told apart from a touch that is merely held.
-- The engine publishes only the touches held this frame; a release is a touch that is gone.

Pointer = {
    -- Where the followed touch is (or was last seen), screen pixels.
    x = 0,
    y = 0,
    -- Whether a touch is held, began this frame, or ended this frame.
    down = false,
    pressed = false,
    released = false,
}

-- The touch being followed, by its id, while it is held.
local followed = nil

-- The held touch with the smallest id: the first finger down, on every machine the same one.
local function firstTouch()
    local chosenId, chosen = nil, nil
    for id, touch in pairs(touches or {}) do
        local number = tonumber(id) or 0
        if chosenId == nil or number < chosenId then
            chosenId, chosen = number, touch
        end
    end
    return chosenId, chosen
end

-- Reads this frame's touches: call once a frame, before anything asks the pointer.
function Pointer.update()
    Pointer.pressed, Pointer.released = false, false
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
    local id, touch = firstTouch()
    if id ~= nil then
        followed = id
        Pointer.x, Pointer.y = touch.x, touch.y
        Pointer.down, Pointer.pressed = true, true
    end
end

-- Whether the point (x, y) lies in the rectangle with its top-left corner at (left, top).
function Pointer.inside(x, y, left, top, width, height)
    return x >= left and x < left + width and y >= top and y < top + height
end
