-- The demo game: a slingshot on a meadow fires birds at a tower of wood, stone and ice. The
-- physics world makes the blocks tumble; hits damage them, and broken blocks and targets are
-- removed. Three birds a round; when they are spent or both targets are gone, the next level is
-- built: the tower, then a tower behind a wall that a pair of portals leads over, then a tower on
-- an island in a flood, and round again. The saved settings remember the level being played.
-- Tap (or click) and pull back from the slingshot to aim, let go to launch; left alone, the demo
-- launches by itself. The engine draws the scene: the theme's layers, the objects turned as their
-- bodies turn, the flight trail, the aiming dots and the particles; the script adds the slingshot
-- and the score display.
-- L switches between English and Finnish, M turns the music off and on, Escape quits. F1 opens the
-- developer's console (scripts/console.lua) with the commands "level NAME", "restart" and "physics".

local PIXELS_PER_UNIT = 20
-- The world point at the screen's top-left corner (world units; y grows downwards).
local VIEW_LEFT, VIEW_TOP = -5, -25
local SLING_X, SLING_Y = 1, -4.5
local LAUNCH_VX, LAUNCH_VY = 22, -14
local BIRD_RADIUS = 0.6
-- The levels in the order they are played (file names in levels/, and keys of the star table).
local LEVELS = { "demo", "portals", "water" }
-- The engine destroys blocks of this collider type that come to rest deep in water: they sank.
local SINKING_TYPE = 4
local BIRDS_PER_ROUND = 3
-- An untouched slingshot launches on its own after this long (seconds).
local AIM_TIME = 2
-- Pulling the bird back: the longest pull (pixels), the launch speed per pixel of pull (world
-- units a second) and the shortest pull that launches.
local PULL_LIMIT = 60
local PULL_SPEED = 0.45
local PULL_MINIMUM = 10
-- How long the end of a round is announced before the tower is rebuilt (seconds).
local BANNER_TIME = 2
local SHOT_TIME_LIMIT = 6
local POINTS_PER_DAMAGE = 10
local POINTS_PER_BREAK = 500

-- The text group set of texts/strings.dat, and the languages it offers (L switches between them).
local TEXTS = "strings"
local LANGUAGES = { "en_EN", "fi_FI" }
-- No text group set has this name: drawString then draws the key itself, for texts with numbers.
local PLAIN = ""
local HUD_FONT, TITLE_FONT = "hud", "title"
-- The sky picture is stretched past the screen's edges, so that its soft borders stay out of view.
local SKY_MARGIN = 60
-- Where the slingshot's two prongs hold the rubber band, pixels from the slingshot's position, and
-- the band's thickness.
local PRONGS = { { x = -9, y = -14 }, { x = 9, y = -14 } }
local BAND_THICKNESS = 5
-- Particles a breaking block throws, by material (the particle table's effect names).
local BREAK_PARTICLES = { wood = "wood", stone = "stone", ice = "ice" }
-- A landing this hard (the engine's damage value) raises dust; a bird hit this hard loses feathers.
local DUST_DAMAGE = 1.5
local FEATHER_DAMAGE = 1

-- The mixer's tracks: effects on 0 (any number at once), the music on 1, rolling on 2 (where the
-- engine plays the rolling sounds) and impacts on 3, which the engine lets play three at a time,
-- so that a falling tower does not drown everything else.
local EFFECT_TRACK, MUSIC_TRACK, ROLLING_TRACK, IMPACT_TRACK = 0, 1, 2, 3
local TRACK_VOLUMES = { [EFFECT_TRACK] = 1, [MUSIC_TRACK] = 0.45, [ROLLING_TRACK] = 1, [IMPACT_TRACK] = 0.9 }
-- The effects in sounds/ (WAV files of the output's own format, loaded whole: they are short and
-- played often); the music streams from its MP3.
local EFFECTS = { "launch", "impact_wood", "impact_stone", "impact_ice", "break", "target", "win", "roll", "portal",
                  "splash" }
-- What each material sounds like when hit; the ground sounds like stone, a target like wood.
local IMPACT_SOUNDS = { wood = "impact_wood", stone = "impact_stone", ice = "impact_ice", ground = "impact_stone",
                        target = "impact_wood" }
-- An impact this strong (the engine's damage value) sounds at full volume; one that would sound
-- quieter than IMPACT_QUIETEST is not played. An object that sounded an impact stays quiet for
-- IMPACT_PAUSE seconds, so that a pile of contacts does not rattle.
local IMPACT_FULL = 4
local IMPACT_QUIETEST = 0.08
local IMPACT_PAUSE = 0.15
-- The launch sounds at full volume at this speed (world units a second), quieter for softer shots.
local LAUNCH_FULL_SPEED = 26
-- A bird splashes at this volume, anything else quieter.
local SPLASH_VOLUMES = { bird = 1, block = 0.6 }
-- The water surface tile's width (pixels) and how fast its waves drift (pixels a second).
local WATER_TILE = 64
local WATER_DRIFT = 12

local clock = 0
local shotClock = 0
local birdsLeft = 0
local birdCount = 0
local birdName = nil
local pull = nil
local banner = nil
local bannerClock = 0
-- When each object last sounded an impact (the clock's seconds), by name.
local lastImpact = {}
-- The names of the level's portals.
local portals = {}
-- Whether the log has had this level's first splash: a flood splashes dozens of times a round.
local splashReported = false

loadLuaFile(scriptPath .. "/console.lua", "")

function updateValues()
    g_safeToQuit = true
    zoomLevel = 1
    score = 0
    launches = 0
end

local function toScreen(x, y)
    return (x - VIEW_LEFT) * PIXELS_PER_UNIT, (y - VIEW_TOP) * PIXELS_PER_UNIT
end

-- What the demo's scripts report for a headless run's log: the engine's "print" keeps quiet.
local function report(text)
    printWarning(text)
end

local function placeBlock(name, placed)
    local definition = blockTable.definitions[placed.definition]
    local material = blockTable.materials[definition.material]
    -- The ground has no sprite: the theme's grass and ground colour show it.
    local sprite = definition.sprite or ""
    if definition.radius then
        createCircle(name, sprite, placed.x, placed.y, definition.radius, material.density, material.friction,
                     material.restitution, false, 1)
    else
        createBox(name, sprite, placed.x, placed.y, definition.width, definition.height, material.density,
                  material.friction, material.restitution, true, false, 1)
    end
    -- A level may give one block another type than its definition's (stone that sinks in water).
    local colliderType = placed.colliderType or definition.colliderType or 0
    setColliderType(name, colliderType)
    if definition.sensor then
        setSensor(name, true)
    end
    if definition.radius then
        setRollingSound(name, "roll")
    end
    if placed.angle ~= 0 then
        setRotation(name, placed.angle)
    end
    local block = objects.world[name]
    block.materialName = definition.material
    block.strength = material.strength
    block.ignoreGroundDamage = definition.colliderType == 2
    block.floatability = material.floatability
    block.sinks = colliderType == SINKING_TYPE
    if placed.portal then
        block.portal = placed.portal
        portals[#portals + 1] = name
    end
end

local function targetsLeft()
    local count = 0
    for _, object in pairs(objects.world) do
        if object.materialName == "target" then
            count = count + 1
        end
    end
    return count
end

-- The place of the level `name` in LEVELS, or nil for a name that is not one of them.
local function levelNumber(name)
    for i, level in ipairs(LEVELS) do
        if level == name then
            return i
        end
    end
    return nil
end

-- Floods the world as the level says, or drains it: the engine's water pass runs while
-- objects.waterLevel is set.
local function setWater(level)
    objects.waterLevel = level.waterLevel
    waterMaxBuoyancyDepth = level.waterMaxBuoyancyDepth
    timeSinceLevelStart = 0
end

-- Builds the level the settings name.
local function buildLevel()
    loadLevel("/levels/" .. settings.level, "")
    report("level: " .. settings.level)
    setTheme(loadedObjects.theme)
    for _, placed in ipairs(loadedObjects.themeSprites or {}) do
        createThemeSprite(unpack(placed))
    end
    physicsToWorld = PIXELS_PER_UNIT
    setWater(loadedObjects)
    local theme = blockTable.themes[loadedObjects.theme]
    setBGColor(theme.color.r, theme.color.g, theme.color.b)
    -- Placed in name order, so that every run builds the same world.
    portals = {}
    splashReported = false
    local names = {}
    for name in pairs(loadedObjects.world) do
        names[#names + 1] = name
    end
    table.sort(names)
    for _, name in ipairs(names) do
        placeBlock(name, loadedObjects.world[name])
    end
    birdsLeft = BIRDS_PER_ROUND
    birdName = nil
    flyingBird = nil
    shotClock = 0
    lastImpact = {}
end

-- Makes `language` the language of the texts and remembers it in the settings; a language the
-- text table lacks falls back to English.
local function useLanguage(language)
    if not pcall(res.loadLocale, TEXTS, language) then
        printWarning("The texts have no language " .. tostring(language) .. ": using en_EN")
        language = "en_EN"
        res.loadLocale(TEXTS, language)
    end
    res.useLocale(language)
    settings.language = language
end

local function loadResources()
    res.createSpriteSheet(imagePath .. "/sprites.dat")
    -- The slingshot is made of sprites of the sheet: the sheet must be loaded first.
    res.createCompoSpriteSet(imagePath .. "/slingshot.dat")
    res.createBitmapFont(fontPath .. "/hud.dat")
    -- White, 20 points, bold.
    res.createSystemFont(TITLE_FONT, "DejaVu Sans", 20, 255, 255, 255, 255, 1)
    res.createTextGroupSet(localizationPath .. "/strings.dat")
    useLanguage(settings.language or "en_EN")
end

-- The sound output and the clips. The engine starts the output when the window comes to the
-- foreground (and while "audioEnabled" is true, again whenever it has stopped); until then plays
-- are refused, so the music is started by the frame update (keepMusic), not here.
local function loadSounds()
    res.createAudioOutput(2, 16, 44100)
    for _, name in ipairs(EFFECTS) do
        res.createAudio(audioPath .. "/" .. name .. ".wav", name, false)
    end
    res.createAudio(audioPath .. "/music.mp3", "music", true)
    for track, volume in pairs(TRACK_VOLUMES) do
        res.setTrackVolume(volume, track)
    end
    -- The engine applies the saved volume (which its volume keys change) before this output exists.
    if type(settings.volume) == "number" then
        res.setMasterVolume(settings.volume)
    end
end

-- Keeps the music looping while the settings want it, and silent when they do not.
local function keepMusic()
    local playing = res.isAudioPlaying("music")
    if settings.musicEnabled and not playing then
        res.playAudio("music", 1, 1, MUSIC_TRACK)
    elseif playing and not settings.musicEnabled then
        res.stopAudio("music")
    end
end

-- Plays the impact sound of the object `name` for a hit of `strength` (the engine's damage value),
-- unless it is too soft to hear or the object sounded one a moment ago.
local function soundImpact(name, strength)
    local object = objects.world[name]
    local sound = object and IMPACT_SOUNDS[object.materialName]
    local volume = math.min(1, strength / IMPACT_FULL)
    if sound == nil or volume < IMPACT_QUIETEST or clock - (lastImpact[name] or -IMPACT_PAUSE) < IMPACT_PAUSE then
        return
    end
    lastImpact[name] = clock
    res.playAudio(sound, volume, 0, IMPACT_TRACK)
end

function createStartUpAssets()
    settings.launches = settings.launches or 0
    settings.playtime = settings.playtime or 0
    -- The engine's switch for all sound; true also lets it restart an output that stopped.
    if settings.audioEnabled == nil then
        settings.audioEnabled = true
    end
    if settings.musicEnabled == nil then
        settings.musicEnabled = true
    end
    -- A level that is no longer played (or none yet) starts from the first.
    if not levelNumber(settings.level) then
        settings.level = LEVELS[1]
    end
    loadResources()
    loadSounds()
    buildLevel()
end

-- Starts the level `name` afresh.
local function startLevel(name)
    banner = nil
    settings.level = name
    buildLevel()
end

-- The console's commands: each takes the text after its name and answers what it did.
local COMMANDS = {
    level = function(name)
        if not levelNumber(name) then
            return "no level " .. name .. " (levels: " .. table.concat(LEVELS, ", ") .. ")"
        end
        startLevel(name)
        return "level " .. name
    end,
    restart = function()
        startLevel(settings.level)
        return "restarted " .. settings.level
    end,
    physics = function()
        setPhysicsEnabled(not isPhysicsEnabled())
        return "physics " .. (isPhysicsEnabled() and "on" or "off")
    end,
}

local function launchBird(vx, vy)
    birdCount = birdCount + 1
    birdName = "bird" .. birdCount
    local x, y = SLING_X + (pull and pull.x or 0) / PIXELS_PER_UNIT, SLING_Y + (pull and pull.y or 0) / PIXELS_PER_UNIT
    createCircle(birdName, "bird", x, y, BIRD_RADIUS, 2, 0.5, 0.3, true, 2)
    setColliderType(birdName, 3)
    local bird = objects.world[birdName]
    bird.damageFactors = "red"
    bird.shot = true
    setVelocity(birdName, vx, vy)
    res.playAudio("launch", math.min(1, math.sqrt(vx * vx + vy * vy) / LAUNCH_FULL_SPEED), 0, EFFECT_TRACK)
    flyingBird = bird
    startNewTrajectory()
    pull = nil
    birdsLeft = birdsLeft - 1
    launches = launches + 1
    settings.launches = settings.launches + 1
end

-- While the player holds a touch (or the left button), the bird follows it back from the
-- slingshot up to PULL_LIMIT pixels; letting go launches it the opposite way.
local function aim()
    if (touchcount or 0) > 0 then
        local _, touch = next(touches)
        local slingX, slingY = toScreen(SLING_X, SLING_Y)
        local dx, dy = touch.x - slingX, touch.y - slingY
        local length = math.sqrt(dx * dx + dy * dy)
        local scale = length > PULL_LIMIT and PULL_LIMIT / length or 1
        pull = { x = dx * scale, y = dy * scale, length = length * scale }
        shotClock = 0
    elseif pull and pull.length >= PULL_MINIMUM then
        launchBird(-pull.x * PULL_SPEED, -pull.y * PULL_SPEED)
    elseif shotClock > AIM_TIME then
        pull = nil
        launchBird(LAUNCH_VX, LAUNCH_VY)
    else
        pull = nil
    end
end

local function shotIsOver()
    local bird = objects.world[birdName]
    return bird == nil or bird.frozen or shotClock > SHOT_TIME_LIMIT or (shotClock > 1.5 and not hasMovingObjects)
end

-- Emits `count` particles of the effect `name` at the object `name`'s position.
local function emitAt(objectName, effect, count)
    local object = objects.world[objectName]
    if object then
        particles.addParticles(effect, count, object.x * PIXELS_PER_UNIT, object.y * PIXELS_PER_UNIT, 16, 16, 0, false,
                               false)
    end
end

function birdCollision(bird, target, damage, applied)
    score = score + math.floor(applied * POINTS_PER_DAMAGE)
    soundImpact(target, damage)
    -- The first hard hit of a shot ruffles the bird once.
    local flying = objects.world[bird]
    if flying and damage >= FEATHER_DAMAGE and not flying.ruffled then
        flying.ruffled = true
        emitAt(bird, "feathers", 6)
    end
end

function blockCollision(a, b, damage, applied)
    score = score + math.floor(applied * POINTS_PER_DAMAGE)
    -- The block that lands sounds, not the ground under it.
    local first = objects.world[a]
    local landing = (first and first.materialName == "ground") and b or a
    soundImpact(landing, damage)
    if damage >= DUST_DAMAGE then
        emitAt(landing, "dust", 3)
    end
end

function removeBlocks()
    -- Whatever breaks in one step is heard once: a breaking block, a popping target, or both.
    local broke, popped = false, false
    -- The engine keeps a reference to this table: empty it, never replace it.
    for name in pairs(deadBlocks) do
        local object = objects.world[name]
        if object then
            if object.sinks and objects.waterLevel and object.y > -objects.waterLevel then
                report("water: " .. name .. " sank")
                emitAt(name, "waterSplashUp", 6)
            else
                emitAt(name, BREAK_PARTICLES[object.materialName] or "sparkles", 10)
            end
            removeObject(name)
            objects.world[name] = nil
            score = score + POINTS_PER_BREAK
            if object.materialName == "target" then
                popped = true
            else
                broke = true
            end
        end
        deadBlocks[name] = nil
    end
    if broke then
        res.playAudio("break", 1, 0, EFFECT_TRACK)
    end
    if popped then
        res.playAudio("target", 1, 0, EFFECT_TRACK)
    end
end

local function endShot()
    if objects.world[birdName] then
        removeObject(birdName)
        objects.world[birdName] = nil
    end
    birdName = nil
    flyingBird = nil
    shotClock = 0
    local cleared = targetsLeft() == 0
    if birdsLeft == 0 or cleared then
        banner = cleared and "level_cleared" or "try_again"
        bannerClock = BANNER_TIME
        if cleared then
            res.playAudio("win", 1, 0, EFFECT_TRACK)
        end
    end
end

local function play(dt)
    shotClock = shotClock + dt
    if banner then
        bannerClock = bannerClock - dt
        if bannerClock <= 0 then
            startLevel(LEVELS[levelNumber(settings.level) % #LEVELS + 1])
        end
    elseif birdName == nil then
        aim()
    elseif shotIsOver() then
        endShot()
    end
end

-- The sky behind everything, in screen space: the theme's layers and the world are drawn over it.
local function drawSky()
    res.drawSprite("sky", -SKY_MARGIN, -SKY_MARGIN, "TOP", "LEFT", screenWidth + 2 * SKY_MARGIN,
                   screenHeight + 2 * SKY_MARGIN)
    res.drawSprite("sun", screenWidth - 100, 70)
end

-- The slingshot, the bird waiting in it (pulled back while the player aims, with the rubber band
-- and the aiming dots) and the birds still to come, queued on the ground behind it. Drawn in
-- scene pixels: the render state still holds the camera the engine's scene drawing left there.
local function drawSlingshot()
    local x, y = SLING_X * PIXELS_PER_UNIT, SLING_Y * PIXELS_PER_UNIT
    res.drawCompoSprite("slingshot", x, y)
    local waiting = birdsLeft
    if birdName == nil and birdsLeft > 0 and banner == nil then
        local birdX, birdY = x + (pull and pull.x or 0), y + (pull and pull.y or 0)
        if pull then
            rubberBandPos = { x = birdX / PIXELS_PER_UNIT, y = birdY / PIXELS_PER_UNIT }
            drawSlingScopeNative(-pull.x * PULL_SPEED, -pull.y * PULL_SPEED, 0)
            drawRubberband(x + PRONGS[1].x, y + PRONGS[1].y, birdX, birdY, BAND_THICKNESS, "RUBBERBAND")
        end
        res.drawSprite("bird", birdX, birdY)
        if pull then
            drawRubberband(x + PRONGS[2].x, y + PRONGS[2].y, birdX, birdY, BAND_THICKNESS, "RUBBERBAND")
        end
        waiting = waiting - 1
    end
    for i = 1, waiting do
        res.drawSprite("bird", x - 20 - i * 28, -BIRD_RADIUS * PIXELS_PER_UNIT)
    end
end

-- The water, when the level has any: in front of what is in it, behind the ground in front. The
-- surface tile repeats along the water line, drifting slowly, stretched down to the ground line
-- (y = 0). Drawn in scene pixels, as the slingshot is.
local function drawWater()
    if not objects.waterLevel then
        return
    end
    local surface = -objects.waterLevel * PIXELS_PER_UNIT
    local depth = -surface
    local left = VIEW_LEFT * PIXELS_PER_UNIT
    local first = left - (left - clock * WATER_DRIFT) % WATER_TILE
    for x = first, left + screenWidth, WATER_TILE do
        res.drawSprite("water", x, surface, "TOP", "LEFT", WATER_TILE, depth)
    end
end

-- A translucent dark panel around a text drawn with the current font, so that white text reads
-- on any part of the scene.
local function drawPanelBehind(text, x, y)
    local width = res.getStringWidth(text)
    drawRect(0, 0, 0, 0.4, x - width / 2 - 16, y - 8, x + width / 2 + 16, y + res.getFontHeight() + 8, false)
end

local function drawHud()
    res.useFont(HUD_FONT)
    local scoreText = res.getString(TEXTS, "score") .. ": " .. score
    local birdsText = res.getString(TEXTS, "birds_left") .. ": " .. birdsLeft
    local width = math.max(res.getStringWidth(scoreText), res.getStringWidth(birdsText), 120)
    drawRect(0, 0, 0, 0.35, 10, 10, 30 + width, 118, false)
    local limits = starTable[settings.level] or starTable.demo
    for i = 1, #limits do
        res.drawSprite(score >= limits[i] and "star_full" or "star_empty", 36 + (i - 1) * 36, 34)
    end
    res.drawString(PLAIN, scoreText, 20, 56)
    res.drawString(PLAIN, birdsText, 20, 84)
    local centre = screenWidth / 2
    if banner then
        drawPanelBehind(res.getString(TEXTS, banner), centre, 200)
        res.drawString(TEXTS, banner, centre, 200, "TOP", "HCENTER")
    elseif birdName == nil then
        res.drawString(TEXTS, "launch_hint", centre, screenHeight - 20, "BOTTOM", "HCENTER")
    end
    res.useFont(TITLE_FONT)
    res.drawString(TEXTS, "title", centre, 12, "TOP", "HCENTER")
end

local function switchLanguage()
    local current = res.getLocale()
    for i, language in ipairs(LANGUAGES) do
        if language == current then
            useLanguage(LANGUAGES[i % #LANGUAGES + 1])
            return
        end
    end
    useLanguage(LANGUAGES[1])
end

function update(dt)
    clock = clock + dt
    timeSinceLevelStart = timeSinceLevelStart + dt
    play(dt)
    if not DebugConsole.update(COMMANDS) then
        if keyPressed.ESCAPE then
            requestExit()
        end
        if keyPressed.L then
            switchLanguage()
        end
        if keyPressed.M then
            settings.musicEnabled = not settings.musicEnabled
        end
    end
    keepMusic()

    drawSky()
    setTopLeft(VIEW_LEFT * PIXELS_PER_UNIT, VIEW_TOP * PIXELS_PER_UNIT)
    setWorldScale(1)
    drawBackgroundNative()
    drawGameNative()
    drawSlingshot()
    drawWater()
    drawForegroundNative()
    drawParticlesNative()
    -- Back to screen space for the score display.
    setRenderState(0, 0, 1, 1, 0, 0, 0, 1)
    drawHud()
    local cx, cy = cursor.x or 0, cursor.y or 0
    drawRect(0, 0, 0, 1, cx - 8, cy - 1, cx + 8, cy + 1, false)
    drawRect(0, 0, 0, 1, cx - 1, cy - 8, cx + 1, cy + 8, false)
    DebugConsole.draw(HUD_FONT)
end

-- The name of the portal nearest to the object `name`'s body, for the log.
local function nearestPortal(name)
    local x, y = getWorldPoint(name, 0, 0)
    local nearest, nearestDistance = "a portal", math.huge
    for _, portal in ipairs(portals) do
        local placed = objects.world[portal]
        local distance = (placed.x - x) ^ 2 + (placed.y - y) ^ 2
        if distance < nearestDistance then
            nearest, nearestDistance = portal, distance
        end
    end
    return nearest
end

function birdTravellingThroughPortal(name)
    report("portal: " .. name .. " entered " .. nearestPortal(name))
end

function objectExitingThroughPortal(name)
    report("portal: " .. name .. " left through " .. nearestPortal(name))
end

function objectTeleportationAborted(name)
    report("portal: " .. name .. " turned back")
end

-- The engine removes an object that kept looping between portals right after this call: the
-- scripts forget it first. A removed bird ends its shot (shotIsOver finds no bird).
function onObjectRemoved(name)
    report("portal: " .. name .. " removed after looping")
    objects.world[name] = nil
    lastImpact[name] = nil
    if name == birdName then
        flyingBird = nil
    end
end

-- The engine's water pass: something went into the water, or leapt out of it fast; `isBird` is
-- true for a bird.
function playWaterSplash(isBird)
    res.playAudio("splash", isBird and SPLASH_VOLUMES.bird or SPLASH_VOLUMES.block, 0, EFFECT_TRACK)
    if not splashReported then
        report("water: splash" .. (isBird and " (bird)" or ""))
        splashReported = true
    end
end

function applyForcesAtPhysicsStep()
end

function clearLuaForceFunctions()
end

function gamePaused()
end

function gameResumed()
end

function resolutionChanged(width, height)
    screenWidth = width
    screenHeight = height
end

function calculatePlaytime()
    settings.playtime = settings.playtime + clock
end
