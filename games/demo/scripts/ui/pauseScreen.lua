-- The pause menu over the stopped level: resume, restart, the settings, or back to the level
-- select. Escape resumes.

PauseScreen = {
    -- Drawn over the level, which stays visible behind a veil.
    veiled = true,
}

local WIDTH, HEIGHT = 400, 360
local BUTTONS_BELOW_TOP = 84

function PauseScreen.layout()
    local _, top = Panel.place(WIDTH, HEIGHT)
    return Button.column({
        { "resume", function() Screens.resume() end },
        { "restart", function() Screens.restart() end },
        { "settings", function() Screens.show("settings", "pause") end },
        { "level_select", function() Screens.leaveLevel() end },
    }, screenWidth / 2, top + BUTTONS_BELOW_TOP)
end

function PauseScreen.draw()
    local left, top = Panel.place(WIDTH, HEIGHT)
    Panel.draw(left, top, WIDTH, HEIGHT, "paused")
end

function PauseScreen.back()
    Screens.resume()
end
