-- The panel that menus over a level (and the settings and credits) are drawn on: the panel
-- sprite stretched over a rectangle centred on the screen, with a heading at its top.

Panel = {}

-- Where the heading's top is below the panel's, pixels.
local HEADING_TOP = 18
-- How dark the veil over the level behind a panel is.
local VEIL_ALPHA = 0.45
-- The panel sprite's frame at its own size, pixels, and the stain inside it (red, green, blue, alpha).
local FRAME = 14
local STAIN = { 0.24, 0.14, 0.07, 0.82 }

-- The top-left corner of a panel `width` x `height` centred on the screen.
function Panel.place(width, height)
    return math.floor((screenWidth - width) / 2), math.floor((screenHeight - height) / 2)
end

-- Darkens the whole screen: what lies behind a panel stays visible but quiet.
function Panel.veil()
    drawRect(0, 0, 0, VEIL_ALPHA, 0, 0, screenWidth, screenHeight, false)
end

-- Draws the panel at (left, top) with the text `headingKey` centred at its top. Inside its frame
-- the panel is stained dark, so that the white texts of the fonts read on it.
function Panel.draw(left, top, width, height, headingKey)
    res.drawSprite("panel", left, top, "TOP", "LEFT", width, height)
    -- The frame stretches with the sprite.
    local spriteWidth, spriteHeight = res.getSpriteBounds("panel")
    local frameX = FRAME * width / math.max(spriteWidth, 1)
    local frameY = FRAME * height / math.max(spriteHeight, 1)
    drawRect(STAIN[1], STAIN[2], STAIN[3], STAIN[4], left + frameX, top + frameY, left + width - frameX,
             top + height - frameY, false)
    UiText.draw(UiText.TITLE, UiText.get(headingKey), left + width / 2, top + HEADING_TOP, "TOP", "HCENTER")
end
