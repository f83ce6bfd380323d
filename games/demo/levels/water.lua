-- The water level: the meadow is flooded three units deep. The tower stands on an island; what
-- the birds knock off floats, except its stone roof, which sinks (collider type 4).
filename = "water.lua"
theme = "meadow"
-- The surface is at y = -waterLevel; buoyancy grows with depth down to waterMaxBuoyancyDepth.
waterLevel = 3
waterMaxBuoyancyDepth = 1.5
world = {
    ground = { definition = "ground", name = "ground", x = 15, y = 2.5, angle = 0 },
    island = { definition = "island", name = "island", x = 23, y = -1, angle = 0 },
    -- Driftwood floating in front of the island from the start.
    raft = { definition = "wood_bar", name = "raft", x = 12, y = -3, angle = 0 },
    post1 = { definition = "wood_post", name = "post1", x = 21, y = -5, angle = 0 },
    post2 = { definition = "wood_post", name = "post2", x = 25, y = -5, angle = 0 },
    floor1 = { definition = "ice_bar", name = "floor1", x = 23, y = -7, angle = 0 },
    post3 = { definition = "wood_post", name = "post3", x = 21.5, y = -9, angle = 0 },
    post4 = { definition = "wood_post", name = "post4", x = 24.5, y = -9, angle = 0 },
    roof = { definition = "stone_bar", name = "roof", x = 23, y = -11, angle = 0, colliderType = 4 },
    target1 = { definition = "target", name = "target1", x = 23, y = -4.3, angle = 0 },
    target2 = { definition = "target", name = "target2", x = 23, y = -12.3, angle = 0 },
}
themeSprites = {
    { "cloud1", "cloud", 300, -430, 4, 1, 1, 0, 0 },
}
