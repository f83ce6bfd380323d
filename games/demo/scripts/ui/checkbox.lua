-- A check box with its label to the right; a release over it after a press on it flips it.

Checkbox = {}

local BOX_SIZE, LABEL_GAP = 32, 12

-- spec: x, y (the box's top-left corner), width (box and label together, the part that takes
-- the pointer); label (a text key); get() -> checked; set(checked).
function Checkbox.new(spec)
    spec.height = BOX_SIZE
    return Widget.make(Checkbox, spec)
end

function Checkbox:release()
    if self:isUnderPointer() then
        UiSound.play("click")
        self.set(not self.get())
    end
end

function Checkbox:draw()
    res.drawSprite(self.get() and "check_on" or "check_off", self.x, self.y, "TOP", "LEFT")
    UiText.draw(UiText.HUD, UiText.get(self.label), self.x + BOX_SIZE + LABEL_GAP, self.y + BOX_SIZE / 2, "VCENTER",
                "LEFT")
end
