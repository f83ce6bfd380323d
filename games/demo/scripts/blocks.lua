-- What the demo's levels are built from.

-- Materials: body material and how much damage a block takes. A density of 0 makes a body that
-- never moves. Water lifts a block by its floatability (1 unless given): stone, at half, sinks.
materials = {
    wood = { density = 1, friction = 0.6, restitution = 0.1, strength = 30 },
    stone = { density = 3, friction = 0.8, restitution = 0.05, strength = 80, floatability = 0.5 },
    ice = { density = 0.8, friction = 0.2, restitution = 0.1, strength = 12 },
    target = { density = 1, friction = 0.5, restitution = 0.2, strength = 10 },
    ground = { density = 0, friction = 0.9, restitution = 0 },
    rock = { density = 0, friction = 0.8, restitution = 0.05 },
    portal = { density = 0, friction = 0, restitution = 0 },
}

-- Block definitions a level names: a material, either a box size or a circle radius (world
-- units; one unit is 20 pixels, and each sprite is drawn that size) and the sprite that shows the
-- block. A tiled sprite repeats across its block. Collider type 2 is the ground, 8 a portal; a
-- sensor is passed through, not bumped into.
definitions = {
    ground = { material = "ground", width = 80, height = 5, colliderType = 2, sprite = "ground", tiled = true },
    island = { material = "ground", width = 7, height = 5, colliderType = 2, sprite = "island" },
    rock_pillar = { material = "rock", width = 6, height = 1, sprite = "stone_bar" },
    portal_blue = { material = "portal", width = 0.6, height = 3.5, colliderType = 8, sprite = "portal_blue", sensor = true },
    portal_orange = { material = "portal", width = 0.6, height = 3.5, colliderType = 8, sprite = "portal_orange",
                      sensor = true },
    wood_post = { material = "wood", width = 1, height = 3, sprite = "wood_post" },
    wood_bar = { material = "wood", width = 5, height = 1, sprite = "wood_bar" },
    stone_bar = { material = "stone", width = 6, height = 1, sprite = "stone_bar" },
    ice_bar = { material = "ice", width = 5, height = 1, sprite = "ice_bar" },
    target = { material = "target", radius = 0.8, sprite = "target" },
}

-- How hard a bird hits each material, and how much of its speed it keeps through what it breaks.
damageFactors = {
    red = {
        damageMultiplier = { wood = 1.0, stone = 0.6, ice = 1.5, target = 1.2 },
        velocityMultiplier = { wood = 0.8, stone = 0.5, ice = 1.0, target = 0.9 },
    },
}

-- Themes: the sky and ground colours, and the layers drawn behind and in front of the world.
-- A sprite layer is { name, sprite, parallax of the sprites placed on it, depth factor (drawn at
-- that scale, moving that much with the camera), tiled, extra width }; its sprite stands on the
-- ground line. The first foreground layer's line is where the ground colour starts.
themes = {
    meadow = {
        color = { r = 120, g = 190, b = 235 },
        groundColor = { r = 92, g = 158, b = 66 },
        bgLayers = {
            { "far", "hills_far", 0.3, 0.6, true, 4 },
            { "near", "hill", 1, 0.85, true, 4 },
        },
        fgLayers = {
            { "grass", "grass", 1, 1 },
        },
    },
}
