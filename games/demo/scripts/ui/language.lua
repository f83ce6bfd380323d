-- The language of the texts: on the first start the user's own (Finnish for a Finnish desktop,
-- English otherwise), from then on the one the settings name, which the settings screen changes.

Language = {
    -- The languages the texts come in, in the order the settings screen offers them, each with
    -- the key of its own name.
    CHOICES = { { code = "en_EN", name = "language_english" }, { code = "fi_FI", name = "language_finnish" } },
}

local TEXTS = "strings"
-- The engine chooses the user's language among those of the text group set of this name: a
-- copy of the texts, loaded only for that choice.
local BASIC_TEXTS = "TEXTS_BASIC"

local function isChoice(code)
    for _, choice in ipairs(Language.CHOICES) do
        if choice.code == code then
            return true
        end
    end
    return false
end

-- Makes `code` the language of the texts and remembers it in the settings.
function Language.use(code)
    res.loadLocale(TEXTS, code)
    res.useLocale(code)
    settings.language = code
end

-- The language of the texts now.
function Language.current()
    return settings.language
end

-- The user's preferred language as far as the texts have it, else English.
local function usersLanguage()
    res.createTextGroupSet(localizationPath .. "/" .. BASIC_TEXTS .. ".dat")
    getCurrentLocale()
    res.releaseTextGroupSet(BASIC_TEXTS)
    return res.getLocale()
end

-- Chooses the language at start: the saved one, or on the first start (or after a save that
-- names a language the texts lack) the user's.
function Language.start()
    local code = settings.language
    if not isChoice(code) then
        code = usersLanguage()
    end
    Language.use(isChoice(code) and code or Language.CHOICES[1].code)
end
