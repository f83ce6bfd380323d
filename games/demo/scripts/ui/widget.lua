-- What every control of the menus shares: a rectangle in screen pixels that takes the pointer,
-- an enabled test, and the set that hands the pointer's press, drag and release to the control
-- the press began on (which keeps them until the release, wherever the pointer goes meanwhile).

Widget = {}
Widget.__index = Widget

-- Makes the table `spec` (x, y, width, height: its rectangle, pixels; enabled: a function, absent
-- for always) a control of the kind `class`, whose own methods come before Widget's.
function Widget.make(class, spec)
    class.__index = class
    setmetatable(class, Widget)
    return setmetatable(spec, class)
end

function Widget:contains(x, y)
    return Pointer.inside(x, y, self.x, self.y, self.width, self.height)
end

function Widget:isEnabled()
    return self.enabled == nil or self.enabled()
end

-- Whether the pointer is on the control: where a press shows.
function Widget:isUnderPointer()
    return self:contains(Pointer.x, Pointer.y)
end

-- What a control does with its pointer (none by default): a press on it, the pointer moved while
-- held, and the release.
function Widget:press()
end

function Widget:drag()
end

function Widget:release()
end

WidgetSet = {}
WidgetSet.__index = WidgetSet

function WidgetSet.new(widgets)
    return setmetatable({ widgets = widgets, captured = nil }, WidgetSet)
end

-- The enabled control at (x, y), the last drawn (the topmost) first.
function WidgetSet:widgetAt(x, y)
    for i = #self.widgets, 1, -1 do
        local widget = self.widgets[i]
        if widget:contains(x, y) and widget:isEnabled() then
            return widget
        end
    end
    return nil
end

-- Hands this frame's pointer to the controls (after Pointer.update).
function WidgetSet:update()
    if Pointer.pressed then
        self.captured = self:widgetAt(Pointer.x, Pointer.y)
        if self.captured then
            self.captured:press()
        end
    elseif Pointer.down and self.captured then
        self.captured:drag()
    elseif Pointer.released and self.captured then
        local released = self.captured
        self.captured = nil
        released:release()
    end
end

function WidgetSet:draw()
    for _, widget in ipairs(self.widgets) do
        widget:draw(widget == self.captured)
    end
end
