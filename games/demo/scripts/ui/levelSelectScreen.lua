-- The level select: the levels by theme, a row of tiles under each theme's name (wrapping after
-- COLUMNS), each tile with its number and the stars won on it, or a lock while it is closed.

LevelSelectScreen = {}

local TILE, TILE_GAP, COLUMNS = 80, 12, 8
local HEADING_TOP = 20
local FIRST_THEME_TOP = 96
-- A theme's name above its tiles, and the stars under each tile, pixels.
local THEME_LABEL_HEIGHT = 30
local STARS_HEIGHT = 30
local STAR_SIZE, STAR_STEP = 22, 24
local MARGIN = 20

-- The levels of levelList grouped by theme, the themes in their first level's order:
-- { { theme = "meadow", numbers = { 1, 2, ... } }, ... }.
local function themes()
    local groups, byTheme = {}, {}
    for number, level in ipairs(levelList) do
        local group = byTheme[level.theme]
        if not group then
            group = { theme = level.theme, numbers = {} }
            byTheme[level.theme] = group
            groups[#groups + 1] = group
        end
        group.numbers[#group.numbers + 1] = number
    end
    return groups
end

-- The tile's face: its number and its stars under it, or the lock.
local function drawTile(tile, centreX, centreY)
    if not Progress.isUnlocked(tile.number) then
        res.drawSprite("lock", centreX, centreY, "VCENTER", "HCENTER")
        return
    end
    UiText.draw(UiText.TITLE, tostring(tile.number), centreX, centreY, "VCENTER", "HCENTER")
    local stars = Progress.of(levelList[tile.number].name).stars
    Stars.draw(stars, centreX, tile.y + TILE + 4 + STAR_SIZE / 2, STAR_SIZE, STAR_STEP)
end

local function tile(number, x, y)
    return Button.new({
        x = x, y = y, width = TILE, height = TILE, number = number,
        sprite = Progress.isUnlocked(number) and "level_tile" or "level_tile_locked",
        face = drawTile,
        enabled = function() return Progress.isUnlocked(number) end,
        onClick = function() Screens.startLevel(number) end,
    })
end

-- The widgets, and where each theme's name goes (kept for drawing).
local labels = {}

function LevelSelectScreen.layout()
    local widgets = {}
    labels = {}
    local rowWidth = COLUMNS * TILE + (COLUMNS - 1) * TILE_GAP
    local left = math.floor((screenWidth - rowWidth) / 2)
    local top = FIRST_THEME_TOP
    for _, group in ipairs(themes()) do
        labels[#labels + 1] = { key = "theme_" .. group.theme, x = left, y = top }
        top = top + THEME_LABEL_HEIGHT
        for i, number in ipairs(group.numbers) do
            local column = (i - 1) % COLUMNS
            if i > 1 and column == 0 then
                top = top + TILE + STARS_HEIGHT
            end
            widgets[#widgets + 1] = tile(number, left + column * (TILE + TILE_GAP), top)
        end
        top = top + TILE + STARS_HEIGHT
    end
    widgets[#widgets + 1] = Button.small("icon_back", MARGIN, screenHeight - Button.SMALL - MARGIN,
                                         LevelSelectScreen.back)
    return widgets
end

function LevelSelectScreen.draw()
    UiText.draw(UiText.TITLE, UiText.get("choose_level"), screenWidth / 2, HEADING_TOP, "TOP", "HCENTER")
    for _, label in ipairs(labels) do
        UiText.draw(UiText.HUD, UiText.get(label.key), label.x, label.y)
    end
    -- Every star won so far, beside the back button.
    local stars, most = Progress.totalStars()
    local total = stars .. " / " .. most
    local right, centreY = screenWidth - MARGIN, screenHeight - MARGIN - Button.SMALL / 2
    UiText.draw(UiText.HUD, total, right, centreY, "VCENTER", "RIGHT")
    res.drawSprite("star_full", right - UiText.width(UiText.HUD, total) - 8, centreY, "VCENTER", "RIGHT")
end

function LevelSelectScreen.back()
    Screens.show("title")
end
