-- The developer's console: F1 opens a line at the top of the screen, the keyboard types into it,
-- Return runs the line as a command and Escape closes it. The engine keeps the typed text in
-- DebugConsole.g_debugconsole_text; the game logic says which commands there are. What a command
-- did goes to the log.

DebugConsole = DebugConsole or {}
local console = DebugConsole
console.g_debugconsole_text = ""

local OPEN_KEY = "F1"
-- The bar the line is drawn on: its height (pixels) and how far the text is indented.
local BAR_HEIGHT = 36
local MARGIN = 10
local open = false

local function commandNames(commands)
    local names = {}
    for name in pairs(commands) do
        names[#names + 1] = name
    end
    table.sort(names)
    return table.concat(names, ", ")
end

-- Runs `line`: its first word names a command of `commands`, the rest is the command's argument.
-- A command answers what it did.
local function run(line, commands)
    local name, argument = line:match("^%s*(%S+)%s*(.-)%s*$")
    if not name then
        return
    end
    local command = commands[name]
    if command then
        printWarning("console: " .. command(argument))
    else
        printWarning("console: no command " .. name .. " (commands: " .. commandNames(commands) .. ")")
    end
end

local function close()
    open = false
    deactivateDebugConsole()
end

-- Called every frame before the game looks at the keys, with the commands (functions of the
-- argument text, by name): whether the console has the keyboard this frame, so that what is
-- typed into it does not also steer the game.
function console.update(commands)
    if not open then
        if keyPressed[OPEN_KEY] then
            open = true
            activateDebugConsole("")
        end
        return open
    end
    -- The engine ended the entry on Return or Escape; the text is kept.
    if keyPressed.RETURN then
        close()
        run(console.g_debugconsole_text, commands)
    elseif keyPressed.ESCAPE then
        close()
    end
    return true
end

-- Draws the line in screen space with the font `font`, while the console is open.
function console.draw(font)
    if not open then
        return
    end
    drawRect(0, 0, 0, 0.75, 0, 0, screenWidth, BAR_HEIGHT, false)
    res.useFont(font)
    res.drawString("", "> " .. console.g_debugconsole_text .. "_", MARGIN, (BAR_HEIGHT - res.getFontHeight()) / 2)
end
