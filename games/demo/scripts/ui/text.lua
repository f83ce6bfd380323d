-- The menus' texts: looked up in the text group set "strings" in the current language, and drawn
-- with one of the three baked fonts. Texts with numbers in them carry places {1}, {2}... that
-- the numbers fill, so that each language puts them where its word order wants them.

UiText = {
    -- The baked fonts (fonts/*.dat, by their base names): 44, 22 and 16 pixels.
    TITLE = "title",
    HUD = "hud",
    SMALL = "small",
}

local SET = "strings"
-- No text group set has this name: drawString then draws the text it is given as it is.
local PLAIN = ""

-- The text `key` in the current language.
function UiText.get(key)
    return res.getString(SET, key)
end

-- The text `key` with its places {1}, {2}... filled by the following arguments.
function UiText.format(key, ...)
    local values = { ... }
    return (UiText.get(key):gsub("{(%d+)}", function(place)
        return tostring(values[tonumber(place)])
    end))
end

-- Draws `text` as it is with `font`, anchored at (x, y) (TOP and LEFT unless told otherwise).
function UiText.draw(font, text, x, y, vertical, horizontal)
    res.useFont(font)
    res.drawString(PLAIN, text, x, y, vertical or "TOP", horizontal or "LEFT")
end

-- The width of `text` in `font`, pixels.
function UiText.width(font, text)
    res.useFont(font)
    return res.getStringWidth(text)
end

-- The text `key` broken into lines no wider than `width` pixels in `font`.
function UiText.lines(font, key, width)
    res.useFont(font)
    clipText(SET, key, width)
    return clippedText.lines
end
