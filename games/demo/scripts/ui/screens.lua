-- The game's screens: which one is up (the global currentScreen), the way between them, the keys
-- that work on every screen (Escape backs out, pauses and resumes; R restarts a level), and the
-- hand-over to Play when a level starts, pauses or ends. gamelogic.lua loads this file, which
-- loads the rest of the interface, then calls Screens.start once the resources are loaded, and
-- Screens.update and Screens.draw every frame.

local FILES = { "text", "sounds", "preferences", "language", "stars", "progress", "widget", "button",
                "slider", "checkbox", "panel", "backdrop", "titleScreen", "levelSelectScreen", "hud", "pauseScreen",
                "resultScreen", "settingsScreen", "creditsScreen" }
for _, file in ipairs(FILES) do
    loadLuaFile(scriptPath .. "/ui/" .. file .. ".lua", "")
end

Screens = {}

-- Each value of currentScreen and its screen: layout() -> its controls; draw(); back() for
-- Escape; optionally enter(...) with what show() was given, update(dt), and veiled (the screen
-- is a panel over what lies behind it). "edit" is Play's own: nothing of the menus shows there.
local SCREENS = {
    title = TitleScreen,
    levels = LevelSelectScreen,
    play = Hud,
    pause = PauseScreen,
    won = ResultScreen,
    lost = ResultScreen,
    settings = SettingsScreen,
    credits = CreditsScreen,
}
-- The screens where R plays the level again.
local RESTARTABLE = { play = true, pause = true, won = true, lost = true }

-- The screen shown, its controls, and the screen size they were laid out for.
local shown, screen, controls, laidOutFor = nil, nil, WidgetSet.new({}), nil

local function layOut()
    controls = WidgetSet.new(screen and screen.layout() or {})
    laidOutFor = screenWidth .. "x" .. screenHeight
end

-- Shows the screen `name`; the other arguments go to its enter().
function Screens.show(name, ...)
    currentScreen = name
    shown, screen = name, SCREENS[name]
    if screen and screen.enter then
        screen.enter(...)
    end
    layOut()
end

-- Starts level `number` of levelList; a level whose file does not load (Play says why) leaves
-- the player on the level select.
function Screens.startLevel(number)
    if Play.start(number) == false then
        Screens.show("levels")
        return
    end
    printWarning("starting level " .. number .. " " .. levelList[number].name)
    Screens.show("play")
end

function Screens.pause()
    Play.setPaused(true)
    Screens.show("pause")
end

function Screens.resume()
    Play.setPaused(false)
    Screens.show("play")
end

function Screens.restart()
    Play.setPaused(false)
    Play.restart()
    Screens.show("play")
end

-- Leaves the level for the level select.
function Screens.leaveLevel()
    Play.setPaused(false)
    Play.stop()
    Screens.show("levels")
end

-- The level number `tumble --level N` asked for, when it is one of levelList's.
local function requestedLevel()
    local number = tonumber(startLevel)
    if number == nil then
        return nil
    end
    if levelList[number] == nil or number ~= math.floor(number) then
        printWarning("There is no level " .. tostring(startLevel) .. " (levels 1 to " .. #levelList
                         .. "): showing the title screen")
        return nil
    end
    return number
end

-- Called once the resources are loaded: the settings take effect, and the title screen shows,
-- or the level the command line asked for starts at once.
function Screens.start()
    Language.start()
    Preferences.apply()
    local number = requestedLevel()
    if number then
        Screens.startLevel(number)
    else
        Screens.show("title")
    end
end

-- Play's report of a level's end ({ number, name, won, score, stars }): the progress is kept and
-- the result panel shows.
function Screens.levelEnded(result)
    result.stars = result.won and math.max(0, math.min(Stars.MOST, math.floor(tonumber(result.stars) or 0))) or 0
    result.score = tonumber(result.score) or 0
    local isNewHighscore = Progress.record(result)
    Screens.show(result.won and "won" or "lost", result, isNewHighscore)
end

-- Whether a press at (x, y) belongs to the menus rather than to the level: anywhere on a menu,
-- and on the HUD's pause button in play.
function Screens.isPointerOnUi(x, y)
    if currentScreen == "play" then
        return Hud.isOnButton(x, y)
    end
    return currentScreen ~= "edit"
end

local function handleKeys()
    if keyPressed.ESCAPE and screen then
        screen.back()
    elseif keyPressed.R and RESTARTABLE[currentScreen] then
        Screens.restart()
    end
end

function Screens.update(dt)
    -- Play changes the screen itself when it starts a level and when edit mode comes and goes.
    if currentScreen ~= shown then
        Screens.show(currentScreen)
    elseif laidOutFor ~= screenWidth .. "x" .. screenHeight then
        layOut()
    end
    controls:update()
    if screen and screen.update then
        screen.update(dt)
    end
    handleKeys()
    Backdrop.update(dt)
    UiSound.keepMusic()
end

-- Draws the menus in screen space, over the level when one is loaded (Play drew it) and over the
-- backdrop otherwise.
function Screens.draw()
    setRenderState(0, 0, 1, 1, 0, 0, 0, 1)
    if not Play.isLevelLoaded() then
        Backdrop.draw()
    end
    if screen then
        if screen.veiled then
            Panel.veil()
        end
        screen.draw()
    end
    controls:draw()
end
