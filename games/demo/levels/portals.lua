-- The portal level: a wall of rock stands between the slingshot and the tower. A blue portal on
-- the birds' path sends them to an orange one above the tower, which drops them onto it.
filename = "portals.lua"
theme = "meadow"
-- Seconds a bird stays inside the portals, and the speed it at least comes out with (world units
-- a second), so that it always reaches the tower.
local TRANSIT_TIME = 0.25
local DROP_SPEED = 18
world = {
    ground = { definition = "ground", name = "ground", x = 15, y = 2.5, angle = 0 },
    wall1 = { definition = "rock_pillar", name = "wall1", x = 19, y = -3, angle = 1.5707963 },
    wall2 = { definition = "rock_pillar", name = "wall2", x = 19, y = -9, angle = 1.5707963 },
    -- Facing the slingshot (its face points to -x); birds fly into it from the left.
    portal_a = {
        definition = "portal_blue", name = "portal_a", x = 12, y = -9, angle = 3.1415927,
        portal = {
            target = "portal_b",
            delay = TRANSIT_TIME,
            minSpeedOut = DROP_SPEED,
            effect = {
                { type = "particle", direction = "in", particle = "portalBlue", positionFromPortal = true,
                  rotationFromPortal = true },
                { type = "particle", direction = "out", particle = { "portalOrange", "sparkles" },
                  positionFromPortal = false, rotationFromPortal = false },
                { type = "sound", direction = "in", sound = "portal", volume = 0.9 },
            },
        },
    },
    -- Above the tower, facing down: what comes out falls onto the roof.
    portal_b = {
        definition = "portal_orange", name = "portal_b", x = 28, y = -14, angle = 1.5707963,
        portal = {
            target = "portal_a",
            effect = {
                { type = "particle", direction = "both", particle = "portalOrange", positionFromPortal = true,
                  rotationFromPortal = true },
                { type = "sound", direction = "in", sound = "portal", volume = 0.9 },
            },
        },
    },
    post1 = { definition = "wood_post", name = "post1", x = 26, y = -1.5, angle = 0 },
    post2 = { definition = "wood_post", name = "post2", x = 30, y = -1.5, angle = 0 },
    floor1 = { definition = "stone_bar", name = "floor1", x = 28, y = -3.5, angle = 0 },
    post3 = { definition = "wood_post", name = "post3", x = 26.5, y = -5.5, angle = 0 },
    post4 = { definition = "wood_post", name = "post4", x = 29.5, y = -5.5, angle = 0 },
    roof = { definition = "ice_bar", name = "roof", x = 28, y = -7.5, angle = 0 },
    target1 = { definition = "target", name = "target1", x = 28, y = -0.8, angle = 0 },
    target2 = { definition = "target", name = "target2", x = 28, y = -8.8, angle = 0 },
}
themeSprites = {
    { "cloud1", "cloud", 330, -440, 5, 1, 1, 0, 0 },
}
