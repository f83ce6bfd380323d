-- The title screen: the logo with the game's name, and the way to the levels, the settings, the
-- credits and out. Escape quits from here.

TitleScreen = {}

local LOGO_TOP = 40
-- The name sits on the logo's plate, which lies this far below the logo's middle (the stars
-- crown it).
local PLATE_BELOW_MIDDLE = 8
local BUTTONS_TOP = 250

function TitleScreen.layout()
    return Button.column({
        { "play", function() Screens.show("levels") end },
        { "settings", function() Screens.show("settings", "title") end },
        { "credits", function() Screens.show("credits") end },
        { "quit", requestExit },
    }, screenWidth / 2, BUTTONS_TOP)
end

-- The game in a picture on the grass: the slingshot with a bird in it, left, and a target
-- waiting on the right. The slingshot's sprite hangs from where it holds the bird, LAUNCH_HEIGHT
-- pixels above the ground (4.5 world units).
local SLINGSHOT_X, LAUNCH_HEIGHT = 110, 90
local TARGET_RIGHT, TARGET_RADIUS = 120, 16

local function drawScene()
    local ground = Backdrop.groundY()
    res.drawCompoSprite("slingshot", SLINGSHOT_X, ground - LAUNCH_HEIGHT)
    res.drawSprite("bird_red", SLINGSHOT_X, ground - LAUNCH_HEIGHT, "VCENTER", "HCENTER")
    res.drawSprite("target", screenWidth - TARGET_RIGHT, ground - TARGET_RADIUS, "VCENTER", "HCENTER")
end

function TitleScreen.draw()
    drawScene()
    local centreX = screenWidth / 2
    res.drawSprite("logo", centreX, LOGO_TOP, "TOP", "HCENTER")
    local _, logoHeight = res.getSpriteBounds("logo")
    UiText.draw(UiText.TITLE, UiText.get("game_name"), centreX, LOGO_TOP + logoHeight / 2 + PLATE_BELOW_MIDDLE, "VCENTER",
                "HCENTER")
end

TitleScreen.back = requestExit
