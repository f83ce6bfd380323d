-- The panel at a level's end, won or lost: the score, the stars (popping in one by one, each
-- with its sound), the level's best or a mark for a new one, and buttons to the level select,
-- to play again and (after a win that opened it) on to the next level.

ResultScreen = {
    veiled = true,
}

local WIDTH, HEIGHT = 400, 340
local BIG_STAR, BIG_STAR_STEP = 64, 84
local STARS_BELOW_TOP = 110
local SCORE_BELOW_TOP = 158
local BEST_BELOW_TOP = 196
local BUTTONS_ABOVE_BOTTOM = 20
-- When the first star appears (seconds after the panel), the time between stars, and how long
-- a star takes to settle from POP_SCALE to its size.
local FIRST_STAR, STAR_INTERVAL, POP_TIME, POP_SCALE = 0.4, 0.45, 0.25, 1.6

local result, newHighscore, clock = nil, false, 0

-- result: Play's { number, name, won, score, stars }; isNewHighscore: the score beat the best.
function ResultScreen.enter(levelResult, isNewHighscore)
    result, newHighscore, clock = levelResult, isNewHighscore, 0
end

-- When star i appears, seconds after the panel.
local function starTime(i)
    return FIRST_STAR + (i - 1) * STAR_INTERVAL
end

function ResultScreen.update(dt)
    local before = clock
    clock = clock + dt
    for i = 1, result.stars do
        if before < starTime(i) and clock >= starTime(i) then
            UiSound.play("star")
        end
    end
end

-- How many stars have appeared by now.
local function starsShown()
    local shown = 0
    while shown < result.stars and clock >= starTime(shown + 1) do
        shown = shown + 1
    end
    return shown
end

-- A star that has appeared shrinks from POP_SCALE to its size.
local function starScale(i)
    return 1 + (POP_SCALE - 1) * math.max(0, 1 - (clock - starTime(i)) / POP_TIME)
end

local function nextLevelOpen()
    return result.won and levelList[result.number + 1] ~= nil and Progress.isUnlocked(result.number + 1)
end

function ResultScreen.layout()
    local left, top = Panel.place(WIDTH, HEIGHT)
    local buttons = {
        { "icon_menu", function() Screens.leaveLevel() end },
        { "icon_restart", function() Screens.restart() end },
    }
    if nextLevelOpen() then
        buttons[3] = { "icon_next", function() Screens.startLevel(result.number + 1) end }
    end
    local step = Button.SMALL + 2 * Button.GAP
    local firstX = left + WIDTH / 2 - (step * (#buttons - 1) + Button.SMALL) / 2
    local y = top + HEIGHT - BUTTONS_ABOVE_BOTTOM - Button.SMALL
    local widgets = {}
    for i, button in ipairs(buttons) do
        widgets[i] = Button.small(button[1], firstX + (i - 1) * step, y, button[2])
    end
    return widgets
end

function ResultScreen.draw()
    local left, top = Panel.place(WIDTH, HEIGHT)
    Panel.draw(left, top, WIDTH, HEIGHT, result.won and "level_won" or "level_lost")
    local centreX = left + WIDTH / 2
    Stars.draw(starsShown(), centreX, top + STARS_BELOW_TOP, BIG_STAR, BIG_STAR_STEP,
               { "star_big_full", "star_big_empty" }, starScale)
    UiText.draw(UiText.HUD, UiText.format("score_value", math.floor(result.score)), centreX, top + SCORE_BELOW_TOP,
                "TOP", "HCENTER")
    local best = newHighscore and UiText.get("new_highscore")
        or UiText.format("best_value", Progress.of(result.name).highscore)
    UiText.draw(UiText.SMALL, best, centreX, top + BEST_BELOW_TOP, "TOP", "HCENTER")
end

function ResultScreen.back()
    Screens.leaveLevel()
end
