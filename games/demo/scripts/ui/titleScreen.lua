-- The title screen: the logo with the game's name, and the way to the levels, the settings, the
-- credits and out. Escape quits from here.

TitleScreen = {}

local LOGO_TOP = 40
local BUTTONS_TOP = 250

function TitleScreen.layout()
    return Button.column({
        { "play", function() Screens.show("levels") end },
        { "settings", function() Screens.show("settings", "title") end },
        { "credits", function() Screens.show("credits") end },
        { "quit", requestExit },
    }, screenWidth / 2, BUTTONS_TOP)
end

function TitleScreen.draw()
    local centreX = screenWidth / 2
    res.drawSprite("logo", centreX, LOGO_TOP, "TOP", "HCENTER")
    local _, logoHeight = res.getSpriteBounds("logo")
    UiText.draw(UiText.TITLE, UiText.get("game_name"), centreX, LOGO_TOP + logoHeight / 2, "VCENTER", "HCENTER")
end

TitleScreen.back = requestExit
