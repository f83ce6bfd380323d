-- The credits: who made the game, where its pictures and sounds come from, and the notice of
-- the font its texts are drawn with.

CreditsScreen = {
    veiled = true,
}

local WIDTH, HEIGHT = 640, 480
local TEXT_MARGIN = 40
local TEXT_BELOW_TOP = 88
local LINE_HEIGHT, PARAGRAPH_GAP = 22, 12
local BACK_ABOVE_BOTTOM = 20
local PARAGRAPHS = { "credits_team", "credits_generated", "credits_font", "credits_libraries" }

function CreditsScreen.layout()
    local _, top = Panel.place(WIDTH, HEIGHT)
    return Button.column({ { "back", CreditsScreen.back } }, screenWidth / 2,
                         top + HEIGHT - BACK_ABOVE_BOTTOM - Button.HEIGHT)
end

function CreditsScreen.draw()
    local left, top = Panel.place(WIDTH, HEIGHT)
    Panel.draw(left, top, WIDTH, HEIGHT, "credits")
    local y = top + TEXT_BELOW_TOP
    for _, key in ipairs(PARAGRAPHS) do
        for _, line in ipairs(UiText.lines(UiText.SMALL, key, WIDTH - 2 * TEXT_MARGIN)) do
            UiText.draw(UiText.SMALL, line, left + WIDTH / 2, y, "TOP", "HCENTER")
            y = y + LINE_HEIGHT
        end
        y = y + PARAGRAPH_GAP
    end
end

function CreditsScreen.back()
    Screens.show("title")
end
