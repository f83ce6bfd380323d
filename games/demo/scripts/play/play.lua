-- Play: one level from its start to its end. The bird in the slingshot waits for the player;
-- a launch starts a shot, which is over when its birds have stopped, gone or left the level
-- (Birds). Then the world settles and the camera comes home for the next bird. The level is
-- won when the world settles after its last target is gone, and lost when it settles after the
-- last shot with targets left. "levelState" and "score" always tell where play stands.

Play = Play or {}

local Level, Camera, Sling, Birds = Play.Level, Play.Camera, Play.Sling, Play.Birds
local Damage, Score, Effects, Scenery = Play.Damage, Play.Score, Play.Effects, Play.Scenery

-- The world counts as settled once nothing has moved for SETTLE_STILL seconds, and at the latest
-- SETTLE_LONGEST seconds after the shot.
local SETTLE_STILL, SETTLE_LONGEST = 0.5, 3
-- Birds for a level whose file names none (and the kind that stands in for one it misspells).
local DEFAULT_BIRDS = { "red", "red", "red" }

-- The level being played: { number, name, file (its table), phase, stars }, or nil.
local level = nil
-- The kinds of the birds not shot yet; the first is in the slingshot while aiming.
local queue = {}
-- After a launch: { shotOver, settleClock, stillClock, cameraFree }.
local flight = nil
-- What the press being held does: "ui", "aim", "ability", "pan" or "pinch".
local gesture = nil
local panFrom = nil

function Play.isLevelLoaded()
    return level ~= nil
end

-- The level's file table as it is being played (edit mode changes it), and its name.
function Play.levelFile()
    return level and level.file
end

function Play.levelName()
    return level and level.name
end

local function publish()
    if not level then
        levelState = nil
        return
    end
    local slingX, slingY = Sling.screenPoint()
    local stars = level.phase == "lost" and 0 or level.stars or Score.stars(level.name, score)
    levelState = { number = level.number, name = level.name, phase = level.phase, score = score, stars = stars,
                   birdsLeft = #queue, slingshotX = slingX, slingshotY = slingY }
end

-- Starts play of `file` (a level table) as level `number` of levelList, on a world already built.
local function begin(number, name, file)
    level = { number = number, name = name, file = file, phase = "aiming" }
    queue = {}
    local kinds = file.counts and file.counts.birds
    if type(kinds) ~= "table" or #kinds == 0 then
        kinds = DEFAULT_BIRDS
    end
    for i, kind in ipairs(kinds) do
        if not Birds.KINDS[kind] then
            printWarning("play: " .. name .. " names no bird kind " .. tostring(kind) .. ": a red one flies instead")
            kind = DEFAULT_BIRDS[1]
        end
        queue[i] = kind
    end
    flight, gesture = nil, nil
    Play.Editor.reset()
    Score.reset()
    Birds.reset()
    Sling.reset()
    Damage.reset()
    Effects.reset()
    Camera.reset(Level.bounds(file))
    setEditing(false)
    setPhysicsEnabled(true)
    currentScreen = "play"
    publish()
end

-- Builds level `number` of levelList and starts it; false when there is no such level or its
-- file does not load.
function Play.start(number)
    local entry = levelList[number]
    if not entry then
        printWarning("play: no level " .. tostring(number) .. " (there are " .. #levelList .. ")")
        return false
    end
    local file = Level.build(entry.name)
    if not file then
        return false
    end
    begin(number, entry.name, file)
    return true
end

-- Starts the level again as its file (or edit mode) has it.
function Play.restart()
    if level then
        Level.rebuild(level.file)
        begin(level.number, level.name, level.file)
    end
end

-- Plays the level on from the world as built from `file` (edit mode's end).
function Play.replay(file)
    begin(level.number, level.name, file)
end

-- Ends play: the world empties and the menus take over.
function Play.stop()
    Play.Editor.reset()
    Birds.reset()
    Level.clear()
    setEditing(false)
    setPhysicsEnabled(true)
    level = nil
    publish()
end

-- Stops the world while paused; edit mode keeps it stopped either way.
function Play.setPaused(paused)
    setPhysicsEnabled(not paused and not Play.Editor.isOn())
end

local function launch(vx, vy)
    local kind = table.remove(queue, 1)
    Birds.launch(kind, Sling.X, Sling.Y, vx, vy)
    level.phase = "flying"
    flight = { shotOver = false, settleClock = 0, stillClock = 0, cameraFree = false }
end

-- The player's pointer: a press on the HUD belongs to the screens; on the bird in the slingshot
-- it aims; during a flight it calls on the bird's ability; anywhere else it pans the view. Two
-- fingers pinch the zoom.
local function handleInput()
    local pointer = Pointer
    Camera.handleZoomInput(Pointer)
    if pointer.count >= 2 then
        gesture = "pinch"
        Sling.reset()
        return
    end
    if pointer.pressed then
        if Screens.isPointerOnUi(pointer.x, pointer.y) then
            gesture = "ui"
        elseif level.phase == "aiming" and Sling.grab(pointer.x, pointer.y) then
            gesture = "aim"
        elseif level.phase == "flying" and Birds.useAbility() then
            gesture = "ability"
        else
            gesture = "pan"
            panFrom = { x = pointer.x, y = pointer.y }
        end
    elseif pointer.down then
        if gesture == "aim" then
            Sling.drag(pointer.x, pointer.y)
        elseif gesture == "pan" then
            Camera.pan(pointer.x - panFrom.x, pointer.y - panFrom.y)
            panFrom = { x = pointer.x, y = pointer.y }
            if flight then
                flight.cameraFree = true
            end
        end
    elseif pointer.released then
        if gesture == "aim" then
            local vx, vy = Sling.release()
            if vx then
                launch(vx, vy)
            end
        end
        gesture = nil
    end
end

local function finish(won)
    if won then
        Score.add(#queue * Score.POINTS_PER_UNUSED_BIRD)
    end
    level.phase = won and "won" or "lost"
    level.stars = won and Score.stars(level.name, score) or 0
    flight = nil
    if won then
        printWarning(string.format("level %d %s won: score %d, %d stars", level.number, level.name, score, level.stars))
    else
        printWarning(string.format("level %d %s lost: score %d", level.number, level.name, score))
    end
    Effects.play(won and "win" or "lose")
    publish()
    Screens.levelEnded({ number = level.number, name = level.name, won = won, score = score, stars = level.stars })
end

local function updateFlight(dt)
    if not flight.shotOver then
        if Birds.update(dt) then
            Birds.endShot()
            flight.shotOver = true
            Camera.goHome()
        elseif not flight.cameraFree then
            Camera.follow(Birds.leader())
        end
    end
    local cleared = Damage.targetsLeft() == 0
    if not (flight.shotOver or cleared) then
        return
    end
    flight.settleClock = flight.settleClock + dt
    flight.stillClock = hasMovingObjects and 0 or flight.stillClock + dt
    if flight.stillClock < SETTLE_STILL and flight.settleClock < SETTLE_LONGEST then
        return
    end
    if cleared then
        finish(true)
    elseif #queue == 0 then
        finish(false)
    elseif not Camera.isHome() then
        Camera.goHome()
    else
        level.phase = "aiming"
        flight = nil
    end
end

function Play.update(dt)
    if not level then
        return
    end
    Effects.advance(dt)
    Scenery.advance(dt)
    Sling.advance(dt)
    if keyPressed.F2 then
        Play.Editor.toggle()
    end
    if Play.Editor.isOn() then
        Play.Editor.update(dt)
    else
        handleInput()
        if level.phase == "flying" then
            updateFlight(dt)
        end
    end
    Camera.update(dt)
    Damage.breakLost()
    Damage.showWear()
    publish()
end

local function drawSlingshot()
    local aiming = level.phase == "aiming" and not Play.Editor.isOn()
    local waiting = {}
    for i = aiming and 2 or 1, #queue do
        waiting[#waiting + 1] = queue[i]
    end
    Sling.draw(aiming and queue[1] or nil, waiting)
end

function Play.draw()
    if not level then
        return
    end
    Scenery.draw(level.file, drawSlingshot)
    if Play.Editor.isOn() then
        Play.Editor.draw()
    end
end
