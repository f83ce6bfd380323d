-- What the game's levels are built from. The engine loads this file as the global "blockTable"
-- (again before every level) and reads its "themes" and "damageFactors"; the game reads the rest.

-- Materials: body material, strength (the damage a block takes before it breaks) and defence
-- (a knock this soft or softer does no damage, so blocks that settle or jostle stay whole). A
-- density of 0 makes a body that never moves. Water lifts a block by its floatability; below
-- 1/1.05 it floats lower, and stone, at half, sinks.
materials = {
    wood = { density = 1, friction = 0.7, restitution = 0.1, strength = 12, defence = 0.5, floatability = 0.9 },
    glass = { density = 1.2, friction = 0.3, restitution = 0.15, strength = 5, defence = 0.3, floatability = 0.85 },
    stone = { density = 2.5, friction = 0.9, restitution = 0.05, strength = 36, defence = 1, floatability = 0.5 },
    target = { density = 1, friction = 0.6, restitution = 0.3, strength = 6, defence = 0.3, floatability = 0.9 },
    ground = { density = 0, friction = 0.9, restitution = 0 },
    rock = { density = 0, friction = 0.8, restitution = 0.05 },
    portal = { density = 0, friction = 0, restitution = 0 },
}

-- Block definitions a level names: a material, either a box size or a circle radius (world
-- units; one unit is 20 pixels, and each sprite is drawn that size) and a sprite of the same
-- name unless given. "strength" overrides the material's. Collider type 2 is the ground (and
-- what is as fixed as the ground), 8 a portal; a sensor is passed through, not bumped into.
-- A portal holds its passage: seconds in transit and the least speed out (world units a second).
definitions = {
    -- The theme's foreground strip and ground colour show the ground: it needs no picture.
    ground = { material = "ground", width = 80, height = 5, colliderType = 2, sprite = "" },
    island = { material = "ground", width = 7, height = 5, colliderType = 2 },
    rock_pillar = { material = "rock", width = 6, height = 1, colliderType = 2 },
    rock_block = { material = "rock", width = 3, height = 3, colliderType = 2 },
    portal_blue = { material = "portal", width = 0.6, height = 3.5, colliderType = 8, sensor = true, delay = 0.25,
                    minSpeedOut = 14 },
    portal_orange = { material = "portal", width = 0.6, height = 3.5, colliderType = 8, sensor = true },
    stone_ball = { material = "stone", radius = 0.75, strength = 24 },
    target = { material = "target", radius = 0.8 },
    target_big = { material = "target", radius = 1.1, strength = 14 },
}

-- The four shapes every building material comes in: posts, beams, square blocks and long thin
-- planks. (The engine runs this file as data, without the standard functions: no loops.)
definitions.wood_post = { material = "wood", width = 1, height = 3 }
definitions.wood_beam = { material = "wood", width = 5, height = 1 }
definitions.wood_block = { material = "wood", width = 1.5, height = 1.5 }
definitions.wood_plank = { material = "wood", width = 8, height = 0.6 }
definitions.glass_post = { material = "glass", width = 1, height = 3 }
definitions.glass_beam = { material = "glass", width = 5, height = 1 }
definitions.glass_block = { material = "glass", width = 1.5, height = 1.5 }
definitions.glass_plank = { material = "glass", width = 8, height = 0.6 }
definitions.stone_post = { material = "stone", width = 1, height = 3 }
definitions.stone_beam = { material = "stone", width = 5, height = 1 }
definitions.stone_block = { material = "stone", width = 1.5, height = 1.5 }
definitions.stone_plank = { material = "stone", width = 8, height = 0.6 }

-- How hard each kind of bird hits each material, and how much of its speed it keeps through
-- what it breaks: the red one is good against wood, the blue ones shatter glass, the heavy black
-- one dents stone.
damageFactors = {
    red = {
        damageMultiplier = { wood = 1.2, glass = 1.0, stone = 0.5, target = 1.2 },
        velocityMultiplier = { wood = 0.8, glass = 0.9, stone = 0.4, target = 0.9 },
    },
    blue = {
        damageMultiplier = { wood = 0.5, glass = 2.5, stone = 0.3, target = 1.5 },
        velocityMultiplier = { wood = 0.5, glass = 1.0, stone = 0.3, target = 0.9 },
    },
    black = {
        damageMultiplier = { wood = 1.0, glass = 1.0, stone = 1.0, target = 1.0 },
        velocityMultiplier = { wood = 0.7, glass = 0.9, stone = 0.6, target = 0.9 },
    },
}

-- Themes: the sky and ground colours, and the layers drawn behind and in front of the world.
-- A sprite layer is { name, sprite, parallax of the sprites placed on it, depth factor (drawn at
-- that scale, moving that much with the camera), tiled, extra width }; its sprite stands on the
-- ground line. The first foreground layer's line is where the ground colour starts. The game
-- draws "sky" stretched behind everything and "sun" high on the right.
themes = {
    meadow = {
        color = { r = 120, g = 190, b = 235 },
        groundColor = { r = 92, g = 158, b = 66 },
        sky = "sky",
        sun = "sun",
        bgLayers = {
            { "far", "hills_far", 0.3, 0.6, true, 4 },
            { "near", "hill", 1, 0.85, true, 4 },
        },
        fgLayers = {
            { "grass", "grass", 1, 1 },
        },
    },
    dunes = {
        color = { r = 246, g = 196, b = 140 },
        groundColor = { r = 214, g = 172, b = 102 },
        sky = "sky_dunes",
        sun = "sun_dunes",
        bgLayers = {
            { "far", "dunes_far", 0.3, 0.6, true, 4 },
            { "near", "dunes_near", 1, 0.85, true, 4 },
        },
        fgLayers = {
            { "sand", "sand", 1, 1 },
        },
    },
}
