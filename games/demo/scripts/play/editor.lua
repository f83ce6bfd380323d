-- Edit mode (F2 in play; F2 again or Escape plays the edited level): the level stands as its table
-- describes it, physics off. Dragging a body moves it; Q and E (or the wheel) turn the selected
-- body by 15 degrees; 1 to 9 and 0 pick what A adds at the pointer; X or Delete removes the
-- selected body; S saves the level table into levels/<name>.lua of the game's folder. Dragging
-- where there is no body pans the view. The table is kept in step with every change, so what
-- is saved is exactly what was placed.

Play = Play or {}
local Editor = {}
Play.Editor = Editor

local Camera, Level = Play.Camera, Play.Level

local ROTATION_STEP = math.rad(15)
-- Moved bodies land on a grid this fine (world units), so that edited levels keep short numbers.
local GRID = 0.05
-- What the number keys pick: a shape of the current material (pressing the same key again
-- turns to the next material), or a definition of its own; 0 turns between the two portals.
local SHAPE_KEYS = { ["1"] = "post", ["2"] = "beam", ["3"] = "block", ["4"] = "plank" }
local DEFINITION_KEYS = { ["5"] = "stone_ball", ["6"] = "target", ["7"] = "target_big", ["8"] = "rock_block",
                          ["9"] = "rock_pillar" }
local MATERIALS = { "wood", "glass", "stone" }
local PORTALS = { "portal_blue", "portal_orange" }
local LEGEND = {
    "EDIT   F2, Esc: play   S: save   drag: move   X, Delete: remove",
    "Q/E, wheel: turn 15°   A: add at the pointer",
    "1-4: post, beam, block, plank (again: next material)   5: stone ball",
    "6, 7: targets   8, 9: rocks   0: portals (again: the other one)",
}
local LEGEND_FONT = "small"
local SELECTION_COLOUR = { 255, 220, 40, 255 }

local on = false
local selected = nil
local grabOffset = nil
local panFrom = nil
local picked = "wood_post"
local material = 1

function Editor.isOn()
    return on
end

local function file()
    return Play.levelFile()
end

local function enter()
    on = true
    selected = nil
    -- The level as designed, not as the last shot left it.
    Play.Birds.reset()
    Level.rebuild(file())
    setEditing(true)
    setPhysicsEnabled(false)
    currentScreen = "edit"
end

-- Forgets edit mode's state; play (re)starting ends edit mode.
function Editor.reset()
    on = false
    selected, grabOffset, panFrom = nil, nil, nil
end

local function leave()
    Play.replay(file())
end

function Editor.toggle()
    if on then
        leave()
    else
        enter()
    end
end

local function snap(value)
    return math.floor(value / GRID + 0.5) * GRID
end

-- The editable body under the world point (x, y): the smallest one there, so that a block on
-- an island is picked before the island. The ground stays where it is.
local function bodyAt(x, y)
    local best, bestArea = nil, math.huge
    for name, placed in pairs(file().world) do
        local object = objects.world[name]
        if object and placed.definition ~= "ground" then
            local lx, ly = getLocalPoint(name, x, y)
            local inside, area
            if object.radius > 0 then
                inside, area = lx * lx + ly * ly <= object.radius ^ 2, math.pi * object.radius ^ 2
            else
                inside, area = math.abs(lx) <= object.width / 2 and math.abs(ly) <= object.height / 2,
                               object.width * object.height
            end
            if inside and area < bestArea then
                best, bestArea = name, area
            end
        end
    end
    return best
end

-- Turns `angle` by `step`, kept within -pi to pi as the level files write angles.
local function turned(angle, step)
    local result = (angle or 0) + step
    if result > math.pi then
        result = result - 2 * math.pi
    elseif result <= -math.pi then
        result = result + 2 * math.pi
    end
    return result
end

local function turnSelected(steps)
    if not selected then
        return
    end
    local placed = file().world[selected]
    placed.angle = turned(placed.angle, steps * ROTATION_STEP)
    setRotation(selected, placed.angle)
end

local function pick(key)
    if SHAPE_KEYS[key] then
        if picked == MATERIALS[material] .. "_" .. SHAPE_KEYS[key] then
            material = material % #MATERIALS + 1
        end
        picked = MATERIALS[material] .. "_" .. SHAPE_KEYS[key]
    elseif DEFINITION_KEYS[key] then
        picked = DEFINITION_KEYS[key]
    elseif key == "0" then
        picked = picked == PORTALS[1] and PORTALS[2] or PORTALS[1]
    end
end

-- A name for a new body of `definition` that the level does not use yet.
local function freshName(definition)
    local n = 1
    while file().world[definition .. n] do
        n = n + 1
    end
    return definition .. n
end

local function add()
    local x, y = Camera.toWorld(cursor.x or 0, cursor.y or 0)
    local name = freshName(picked)
    local placed = { definition = picked, name = name, x = snap(x), y = snap(y), angle = 0 }
    if Level.place(name, placed, file().waterLevel) then
        file().world[name] = placed
        Level.pairPortals()
        selected = name
    end
end

local function removeSelected()
    if not selected then
        return
    end
    removeObject(selected)
    objects.world[selected] = nil
    file().world[selected] = nil
    selected = nil
    Level.pairPortals()
end

local function save()
    local name = Play.levelName()
    saveLevel("levels/" .. name, file())
    printWarning("edit: saved levels/" .. name .. ".lua")
end

local function handleKeys()
    for key in pairs(SHAPE_KEYS) do
        if keyPressed[key] then
            pick(key)
        end
    end
    for key in pairs(DEFINITION_KEYS) do
        if keyPressed[key] then
            pick(key)
        end
    end
    if keyPressed["0"] then
        pick("0")
    end
    if keyPressed.A then
        add()
    end
    if keyPressed.X or keyPressed.DELETE then
        removeSelected()
    end
    if keyPressed.Q then
        turnSelected(-1)
    end
    if keyPressed.E then
        turnSelected(1)
    end
    if keyPressed.S then
        save()
    end
end

-- Pressing on a body selects it and drags it (by the point where it was taken); pressing
-- elsewhere pans.
local function handlePointer(pointer)
    local x, y = Camera.toWorld(pointer.x, pointer.y)
    if pointer.pressed then
        selected = bodyAt(x, y)
        if selected then
            local placed = file().world[selected]
            grabOffset = { x = placed.x - x, y = placed.y - y }
        else
            panFrom = { x = pointer.x, y = pointer.y }
        end
    elseif pointer.down and selected and grabOffset then
        local placed = file().world[selected]
        placed.x, placed.y = snap(x + grabOffset.x), snap(y + grabOffset.y)
        setPosition(selected, placed.x, placed.y)
    elseif pointer.down and panFrom then
        Camera.pan(pointer.x - panFrom.x, pointer.y - panFrom.y)
        panFrom = { x = pointer.x, y = pointer.y }
    elseif pointer.released then
        grabOffset, panFrom = nil, nil
    end
end

function Editor.update()
    if keyPressed.ESCAPE then
        leave()
        return
    end
    handleKeys()
    local pointer = Pointer
    if selected and cursor.wheelTriggered and (cursor.wheel or 0) ~= 0 then
        turnSelected(cursor.wheel)
    else
        Camera.handleZoomInput(Pointer)
    end
    handlePointer(pointer)
end

-- An outline of the selected body, turned as it is, in screen space.
local function drawSelection()
    local object = selected and objects.world[selected]
    if not object then
        return
    end
    local halfWidth = object.radius > 0 and object.radius or object.width / 2
    local halfHeight = object.radius > 0 and object.radius or object.height / 2
    local corners = {}
    for i, corner in ipairs({ { -1, -1 }, { 1, -1 }, { 1, 1 }, { -1, 1 } }) do
        corners[i] = { Camera.toScreen(getWorldPoint(selected, corner[1] * halfWidth, corner[2] * halfHeight)) }
    end
    for i, from in ipairs(corners) do
        local to = corners[i % #corners + 1]
        drawLine2D(from[1], from[2], to[1], to[2], 2, unpack(SELECTION_COLOUR))
    end
end

-- The legend across the top of the screen, where the menus' HUD would be.
function Editor.draw()
    drawSelection()
    res.useFont(LEGEND_FONT)
    local lineHeight = res.getFontHeight() + 4
    drawRect(0, 0, 0, 0.6, 0, 0, screenWidth, (#LEGEND + 1) * lineHeight + 8, false)
    for i, line in ipairs(LEGEND) do
        res.drawString("", line, 8, 4 + (i - 1) * lineHeight)
    end
    res.drawString("", "picked: " .. picked .. "    selected: " .. (selected or "-"), 8, 4 + #LEGEND * lineHeight)
end
