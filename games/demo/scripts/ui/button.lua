-- A button: a sprite stretched over its rectangle with a text or an icon centred on it. It acts
-- on a release over it after a press that began on it, so sliding off cancels; while held it
-- shows its pressed sprite and its face sinks a little.

Button = {
    -- The sizes of the button sprites, and the space between buttons in a column, pixels.
    WIDTH = 240,
    HEIGHT = 56,
    SMALL = 56,
    GAP = 12,
}

-- How far the face sinks while the button is held, pixels.
local SINK = 2

-- spec: x, y, width, height; sprite (default "button"), pressedSprite (default: the sprite);
-- label (a text key, drawn with font, default the HUD font) or icon (a sprite); face(button,
-- x, y), a function that draws more on the face centred at (x, y); onClick; enabled (a disabled
-- button ignores the pointer: its sprite or face shows why).
function Button.new(spec)
    spec.sprite = spec.sprite or "button"
    spec.pressedSprite = spec.pressedSprite or spec.sprite
    spec.font = spec.font or UiText.HUD
    return Widget.make(Button, spec)
end

function Button:release()
    if self:isUnderPointer() then
        UiSound.play("click")
        self.onClick()
    end
end

function Button:draw(held)
    local sunk = held and self:isUnderPointer()
    res.drawSprite(sunk and self.pressedSprite or self.sprite, self.x, self.y, "TOP", "LEFT", self.width, self.height)
    local centreX, centreY = self.x + self.width / 2, self.y + self.height / 2 + (sunk and SINK or 0)
    if self.label then
        UiText.draw(self.font, UiText.get(self.label), centreX, centreY, "VCENTER", "HCENTER")
    elseif self.icon then
        res.drawSprite(self.icon, centreX, centreY, "VCENTER", "HCENTER")
    end
    if self.face then
        self.face(self, centreX, centreY)
    end
end

-- Buttons of the standard size in a column centred on `centreX` from `top` down, one for each
-- { label, onClick } of `items`.
function Button.column(items, centreX, top)
    local buttons = {}
    for i, item in ipairs(items) do
        buttons[i] = Button.new({ x = centreX - Button.WIDTH / 2, y = top + (i - 1) * (Button.HEIGHT + Button.GAP),
                                  width = Button.WIDTH, height = Button.HEIGHT, pressedSprite = "button_pressed",
                                  label = item[1], onClick = item[2] })
    end
    return buttons
end

-- A small square button with the icon `icon`, its top-left corner at (x, y).
function Button.small(icon, x, y, onClick, enabled)
    return Button.new({ x = x, y = y, width = Button.SMALL, height = Button.SMALL, sprite = "button_small", icon = icon,
                        onClick = onClick, enabled = enabled })
end
