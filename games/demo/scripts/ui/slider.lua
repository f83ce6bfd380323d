-- A slider for a value from 0 to 1: a track with a knob, its label above it. A press anywhere on
-- it moves the knob there and the knob follows the pointer while held; the release reports the
-- final value (where it is worth saving).

Slider = {}

local TRACK_HEIGHT, KNOB_SIZE = 12, 28
-- The label's line above the track, pixels.
local LABEL_HEIGHT = 24

-- spec: x, y (the top-left corner of the label), width (the track's); label (a text key);
-- get() -> value; set(value); onRelease().
function Slider.new(spec)
    spec.height = LABEL_HEIGHT + KNOB_SIZE
    return Widget.make(Slider, spec)
end

function Slider:trackCentreY()
    return self.y + LABEL_HEIGHT + KNOB_SIZE / 2
end

function Slider:follow()
    self.set(math.max(0, math.min(1, (Pointer.x - self.x) / self.width)))
end

Slider.press = Slider.follow
Slider.drag = Slider.follow

function Slider:release()
    self.onRelease()
end

function Slider:draw()
    local value = self.get()
    local centreY = self:trackCentreY()
    UiText.draw(UiText.SMALL, UiText.get(self.label), self.x, self.y)
    UiText.draw(UiText.SMALL, math.floor(value * 100 + 0.5) .. " %", self.x + self.width, self.y, "TOP", "RIGHT")
    res.drawSprite("slider_track", self.x, centreY - TRACK_HEIGHT / 2, "TOP", "LEFT", self.width, TRACK_HEIGHT)
    res.drawSprite("slider_knob", self.x + value * self.width, centreY, "VCENTER", "HCENTER")
end
