-- What is shown over a level in play: a strip along the top with the level's number and name
-- and the birds still to shoot (left), the stars the score has reached so far (centre), the
-- score and the level's best (right), and the pause button in the top-right corner.

Hud = {}

local MARGIN = 12
local STRIP_HEIGHT = 80
local STRIP_ALPHA = 0.3
local STAR_SIZE, STAR_STEP = 28, 32
local BIRD_SIZE, BIRD_STEP = 26, 30
local pauseButton = nil

function Hud.layout()
    pauseButton = Button.small("icon_pause", screenWidth - Button.SMALL - MARGIN, MARGIN, Screens.pause)
    return { pauseButton }
end

-- Whether (x, y) is on the HUD's pause button: a press there is not an aim.
function Hud.isOnButton(x, y)
    return pauseButton ~= nil and pauseButton:contains(x, y)
end

-- The kinds of the birds still to shoot, in shot order: the last `left` of the level's list.
local function birdsToCome(left)
    local file = Play.levelFile()
    local all = file and file.counts and file.counts.birds or {}
    local kinds = {}
    for i = math.max(1, #all - left + 1), #all do
        kinds[#kinds + 1] = all[i]
    end
    return kinds
end

-- The level's number and name as the player reads them: "Level 3" and "Meadow 3".
function Hud.levelTitle(number)
    local level = levelList[number]
    local inTheme = tonumber(level.name:match("(%d+)$")) or number
    return UiText.format("level_number", number), UiText.get("theme_" .. level.theme) .. " " .. inTheme
end

function Hud.draw()
    local state = levelState
    if not state then
        return
    end
    drawRect(0, 0, 0, STRIP_ALPHA, 0, 0, screenWidth, STRIP_HEIGHT, false)
    local heading, name = Hud.levelTitle(state.number)
    UiText.draw(UiText.HUD, heading .. "  " .. name, MARGIN, MARGIN)
    for i, kind in ipairs(birdsToCome(state.birdsLeft)) do
        res.drawSprite("bird_" .. kind, MARGIN + (i - 1) * BIRD_STEP, 44, "TOP", "LEFT", BIRD_SIZE, BIRD_SIZE)
    end
    Stars.draw(state.stars, screenWidth / 2, MARGIN + STAR_SIZE / 2, STAR_SIZE, STAR_STEP)
    local right = screenWidth - Button.SMALL - 2 * MARGIN
    UiText.draw(UiText.HUD, UiText.format("score_value", math.floor(state.score)), right, MARGIN, "TOP", "RIGHT")
    UiText.draw(UiText.SMALL, UiText.format("best_value", Progress.of(state.name).highscore), right, 44, "TOP",
                "RIGHT")
end

Hud.back = function()
    Screens.pause()
end
