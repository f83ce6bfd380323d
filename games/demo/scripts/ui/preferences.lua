-- The player's settings (the saved table "settings"): the three volumes and full screen, their
-- defaults, and bringing them into effect. The master volume is the engine's own "volume", which
-- its volume keys change too. A saved value of the wrong kind or out of range is replaced by
-- its default, so that a damaged or hand-edited save cannot break the sound.

Preferences = {}

local DEFAULT_VOLUMES = { volume = 1, musicVolume = 0.6, effectsVolume = 1 }

-- The saved volume `key` ("volume", "musicVolume" or "effectsVolume") as a number from 0 to 1.
function Preferences.volume(key)
    local value = settings[key]
    if type(value) ~= "number" or value ~= value or value < 0 or value > 1 then
        value = DEFAULT_VOLUMES[key]
        settings[key] = value
    end
    return value
end

-- Hands the volumes to the mixer: the master volume to the output, the music's to its track and
-- the effects' to each of Play's effect tracks.
function Preferences.applyVolumes()
    res.setMasterVolume(Preferences.volume("volume"))
    res.setTrackVolume(Preferences.volume("musicVolume"), Play.MUSIC_TRACK)
    for _, track in ipairs(Play.EFFECT_TRACKS) do
        res.setTrackVolume(Preferences.volume("effectsVolume"), track)
    end
end

-- Sets the volume `key` to `value` (0 to 1) and applies it.
function Preferences.setVolume(key, value)
    settings[key] = math.max(0, math.min(1, value))
    Preferences.applyVolumes()
end

-- Whether the window fills the screen now: Alt+Return switches it too, and a switch the desktop
-- refuses leaves it as it was.
function Preferences.isFullScreen()
    return isInFullScreenMode()
end

-- Switches full screen on or off, and remembers it for the next start.
function Preferences.setFullScreen(fullScreen)
    settings.fullScreen = fullScreen
    setFullScreenMode(fullScreen)
end

-- Brings every setting into effect at start.
function Preferences.apply()
    Preferences.applyVolumes()
    if settings.fullScreen == true then
        setFullScreenMode(true)
    end
end

-- Writes the settings now rather than only at exit, so that a crash or a killed game keeps what
-- the player chose and won.
function Preferences.save()
    saveLuaFile("settings.lua", "settings", true)
end
