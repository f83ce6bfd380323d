-- The menus' sounds: the clicks and stars of the screens on an effects track, and the choice of
-- music: the calm piece on the menus, the lively one while a level is on.

UiSound = {}

local MENU_MUSIC, LEVEL_MUSIC = "music_menu", "music"

-- Plays the effect `name` once on the first of Play's effect tracks, where the effects volume
-- applies to it.
function UiSound.play(name)
    res.playAudio(name, 1, 0, Play.EFFECT_TRACKS[1])
end

-- Keeps the right music looping, every frame: the output may start late or stop and restart
-- (the engine refuses plays while it is not running), so a refused play is simply tried again.
-- With the music turned all the way down nothing plays at all.
function UiSound.keepMusic()
    local wanted = Play.isLevelLoaded() and LEVEL_MUSIC or MENU_MUSIC
    if Preferences.volume("musicVolume") <= 0 then
        wanted = nil
    end
    for _, music in ipairs({ MENU_MUSIC, LEVEL_MUSIC }) do
        local playing = res.isAudioPlaying(music)
        if music == wanted and not playing then
            res.playAudio(music, 1, 1, Play.MUSIC_TRACK)
        elseif music ~= wanted and playing then
            res.stopAudio(music)
        end
    end
end
