-- The demo game: a slingshot on a meadow or in the dunes fires birds at towers of wood, glass
-- and stone to pop the targets hiding in them. Play (scripts/play/) builds a level from its file
-- and runs it: aiming, the birds and their abilities, damage and score, the camera and edit
-- mode. The screens (scripts/ui/) are the menus, the HUD over play, the panels at a level's end,
-- the settings and the saved progress. This file is what the engine runs: it loads the scripts
-- and every resource, starts the screens and, each frame, updates and draws both.
-- F1 opens the developer's console (scripts/console.lua) with the commands "level N" (number or
-- name), "restart", "physics" and "edit".

-- Play's scripts in the order they build on one another.
local PLAY_SCRIPTS = { "camera", "level", "score", "effects", "damage", "birds", "slingshot", "scenery",
                       "editor", "play" }
-- The fonts (fonts/<name>.dat) and the effects (sounds/<name>.wav); the two pieces of music
-- stream from their MP3s.
local FONTS = { "hud", "title", "small" }
local EFFECTS = { "launch", "impact_wood", "impact_glass", "impact_stone", "break_wood", "break_glass", "break_stone",
                  "target", "win", "lose", "star", "roll", "portal", "splash", "dash", "split", "blast", "click" }
local MUSIC = { "music", "music_menu" }
local HUD_FONT = "hud"

loadLuaFile(scriptPath .. "/console.lua", "")
loadLuaFile(scriptPath .. "/pointer.lua", "")
loadLuaFile(scriptPath .. "/levelList.lua", "")
for _, name in ipairs(PLAY_SCRIPTS) do
    loadLuaFile(scriptPath .. "/play/" .. name .. ".lua", "")
end
loadLuaFile(scriptPath .. "/ui/screens.lua", "")

function updateValues()
    g_safeToQuit = true
    zoomLevel = 1
    score = 0
end

local function loadResources()
    res.createSpriteSheet(imagePath .. "/sprites.dat")
    -- The slingshot is made of sprites of the sheet: the sheet must be loaded first.
    res.createCompoSpriteSet(imagePath .. "/slingshot.dat")
    for _, name in ipairs(FONTS) do
        res.createBitmapFont(fontPath .. "/" .. name .. ".dat")
    end
    res.createTextGroupSet(localizationPath .. "/strings.dat")
end

-- The sound output and the clips. The effects are short and played often: they are loaded
-- whole. The engine starts the output when the window comes to the foreground; until then
-- plays are refused, so the music is started by the frame update.
local function loadSounds()
    res.createAudioOutput(2, 16, 44100)
    for _, name in ipairs(EFFECTS) do
        res.createAudio(audioPath .. "/" .. name .. ".wav", name, false)
    end
    for _, name in ipairs(MUSIC) do
        res.createAudio(audioPath .. "/" .. name .. ".mp3", name, true)
    end
    -- The engine applies the saved volume (which its volume keys change) before this output exists.
    if type(settings.volume) == "number" then
        res.setMasterVolume(settings.volume)
    end
end

function createStartUpAssets()
    settings.playtime = settings.playtime or 0
    -- The engine's switch for all sound; true also lets it restart an output that stopped.
    if settings.audioEnabled == nil then
        settings.audioEnabled = true
    end
    loadResources()
    loadSounds()
    Screens.start()
end

-- The level `argument` names: its number in levelList or its name.
local function levelNumber(argument)
    local number = tonumber(argument)
    if number and levelList[number] then
        return number
    end
    for i, entry in ipairs(levelList) do
        if entry.name == argument then
            return i
        end
    end
    return nil
end

-- The console's commands: each takes the text after its name and answers what it did.
local COMMANDS = {
    level = function(argument)
        local number = levelNumber(argument)
        if not number or not Play.start(number) then
            return "no level " .. argument .. " (1 to " .. #levelList .. ")"
        end
        return "level " .. number .. " " .. levelList[number].name
    end,
    restart = function()
        if not Play.isLevelLoaded() then
            return "no level is being played"
        end
        Play.restart()
        return "restarted " .. Play.levelName()
    end,
    physics = function()
        setPhysicsEnabled(not isPhysicsEnabled())
        return "physics " .. (isPhysicsEnabled() and "on" or "off")
    end,
    edit = function()
        if not Play.isLevelLoaded() then
            return "no level to edit"
        end
        Play.Editor.toggle()
        return "edit mode " .. (Play.Editor.isOn() and "on" or "off")
    end,
}

-- While the console has the keyboard, what is typed must not also steer the game.
local function swallowKeys()
    for key in pairs(keyPressed) do
        keyPressed[key] = false
    end
end

function update(dt)
    settings.playtime = settings.playtime + dt
    if DebugConsole.update(COMMANDS) then
        swallowKeys()
    end
    Pointer.update()
    Screens.update(dt)
    if currentScreen == "play" or currentScreen == "edit" then
        Play.update(dt)
    end
    Play.draw()
    Screens.draw()
    DebugConsole.draw(HUD_FONT)
end

function applyForcesAtPhysicsStep()
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

-- The play time is counted frame by frame in update.
function calculatePlaytime()
end
