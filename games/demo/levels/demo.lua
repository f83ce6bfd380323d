-- The demo's level: a two-storey tower of wood, stone and ice guarding two targets.
filename = "demo.lua"
theme = "meadow"
world = {
    ground = { definition = "ground", name = "ground", x = 15, y = 2.5, angle = 0 },
    post1 = { definition = "wood_post", name = "post1", x = 24, y = -1.5, angle = 0 },
    post2 = { definition = "wood_post", name = "post2", x = 28, y = -1.5, angle = 0 },
    floor1 = { definition = "stone_bar", name = "floor1", x = 26, y = -3.5, angle = 0 },
    post3 = { definition = "wood_post", name = "post3", x = 24.5, y = -5.5, angle = 0 },
    post4 = { definition = "wood_post", name = "post4", x = 27.5, y = -5.5, angle = 0 },
    roof = { definition = "ice_bar", name = "roof", x = 26, y = -7.5, angle = 0 },
    target1 = { definition = "target", name = "target1", x = 26, y = -0.8, angle = 0 },
    target2 = { definition = "target", name = "target2", x = 26, y = -8.8, angle = 0 },
}
-- Clouds drifting over the far hills: { name, sprite, x, y, drift (pixels a second), parallax x,
-- parallax y, angle, layer (0: the first background layer) }.
themeSprites = {
    { "cloud1", "cloud", 40, -410, 6, 1, 1, 0, 0 },
    { "cloud2", "cloud", 470, -350, 4, 1, 1, 0, 0 },
}
