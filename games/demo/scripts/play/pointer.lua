-- The player's pointer as play sees it: the first touch (the left mouse button counts as one),
-- with the frame it went down and the frame it came up, and whether a second finger is down
-- (a pinch). The engine publishes only the touches of the moment; the edges are found here by
-- comparing with the frame before.

Play = Play or {}
local Pointer = {}
Play.Pointer = Pointer

-- The pointer's state this frame: x, y (screen pixels, the last known place after a release),
-- down, pressed (went down this frame), released (came up this frame), count (touch points).
local state = { x = 0, y = 0, down = false, pressed = false, released = false, count = 0 }

-- The touch points of this frame, in identifier order, so that the first finger stays first.
local function currentTouches()
    local list = {}
    for id, touch in pairs(touches or {}) do
        list[#list + 1] = { id = tonumber(id) or 0, x = touch.x, y = touch.y }
    end
    table.sort(list, function(a, b)
        return a.id < b.id
    end)
    return list
end

-- Reads this frame's touches; call once a frame before asking anything.
function Pointer.update()
    local list = currentTouches()
    local wasDown = state.down
    state.down = #list > 0
    state.pressed = state.down and not wasDown
    state.released = wasDown and not state.down
    state.count = #list
    state.second = list[2]
    if list[1] then
        state.x, state.y = list[1].x, list[1].y
    end
end

function Pointer.state()
    return state
end

-- The distance between the first two touches and their midpoint, or nil without a second one.
function Pointer.pinch()
    if not state.second then
        return nil
    end
    local dx, dy = state.second.x - state.x, state.second.y - state.y
    return math.sqrt(dx * dx + dy * dy), (state.x + state.second.x) / 2, (state.y + state.second.y) / 2
end
