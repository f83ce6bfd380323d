-- The settings: the master, music and effects volumes, the language and full screen. Reached
-- from the title and from the pause menu, and back to where it came from; what was chosen is
-- saved on the way out (and a volume when its slider is let go).

SettingsScreen = {
    veiled = true,
}

local WIDTH, HEIGHT = 480, 470
local SLIDER_WIDTH = 320
local SLIDERS_BELOW_TOP, SLIDER_STEP = 80, 60
local LANGUAGE_BELOW_TOP = 262
local FULL_SCREEN_BELOW_TOP = 340
local BACK_ABOVE_BOTTOM = 20
local CHOICE_WIDTH = 160

-- The screen to go back to.
local returnTo = "title"

function SettingsScreen.enter(from)
    returnTo = from
end

local function slider(key, label, x, y)
    return Slider.new({
        x = x, y = y, width = SLIDER_WIDTH, label = label,
        get = function() return Preferences.volume(key) end,
        set = function(value) Preferences.setVolume(key, value) end,
        onRelease = Preferences.save,
    })
end

local function languageChoice(choice, x, y)
    return Checkbox.new({
        x = x, y = y, width = CHOICE_WIDTH, label = choice.name,
        get = function() return Language.current() == choice.code end,
        set = function(checked)
            if checked then
                Language.use(choice.code)
            end
        end,
    })
end

function SettingsScreen.layout()
    local left, top = Panel.place(WIDTH, HEIGHT)
    local x = left + (WIDTH - SLIDER_WIDTH) / 2
    local widgets = {
        slider("volume", "master_volume", x, top + SLIDERS_BELOW_TOP),
        slider("musicVolume", "music_volume", x, top + SLIDERS_BELOW_TOP + SLIDER_STEP),
        slider("effectsVolume", "effects_volume", x, top + SLIDERS_BELOW_TOP + 2 * SLIDER_STEP),
    }
    for i, choice in ipairs(Language.CHOICES) do
        widgets[#widgets + 1] = languageChoice(choice, x + (i - 1) * CHOICE_WIDTH, top + LANGUAGE_BELOW_TOP + 28)
    end
    widgets[#widgets + 1] = Checkbox.new({
        x = x, y = top + FULL_SCREEN_BELOW_TOP, width = SLIDER_WIDTH, label = "full_screen",
        get = Preferences.isFullScreen,
        set = Preferences.setFullScreen,
    })
    widgets[#widgets + 1] = Button.column({ { "back", SettingsScreen.back } }, screenWidth / 2,
                                          top + HEIGHT - BACK_ABOVE_BOTTOM - Button.HEIGHT)[1]
    return widgets
end

function SettingsScreen.draw()
    local left, top = Panel.place(WIDTH, HEIGHT)
    Panel.draw(left, top, WIDTH, HEIGHT, "settings")
    UiText.draw(UiText.SMALL, UiText.get("language"), left + (WIDTH - SLIDER_WIDTH) / 2, top + LANGUAGE_BELOW_TOP)
end

function SettingsScreen.back()
    Preferences.save()
    Screens.show(returnTo)
end
