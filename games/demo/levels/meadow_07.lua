theme = "meadow"
filename = "meadow_07.lua"
counts = {
    birds = {
        "red","red","blue","black",
    },
}
themeSprites = {
    {
        "cloud1","cloud",200,-460,4,1,1,0,0,
    },
    {
        "cloud2","cloud",560,-400,5,1,1,0,0,
    },
}
world = {
    ground = {
        angle = 0,
        x = 15,
        y = 2.5,
        name = "ground",
        definition = "ground",
    },
    rock1 = {
        angle = 0,
        x = 14,
        y = -1.5,
        name = "rock1",
        definition = "rock_block",
    },
    rock2 = {
        angle = 0,
        x = 14,
        y = -4.5,
        name = "rock2",
        definition = "rock_block",
    },
    rock3 = {
        angle = 0,
        x = 14,
        y = -7.5,
        name = "rock3",
        definition = "rock_block",
    },
    rock4 = {
        angle = 0,
        x = 14,
        y = -10.5,
        name = "rock4",
        definition = "rock_block",
    },
    rock5 = {
        angle = 0,
        x = 14,
        y = -13.5,
        name = "rock5",
        definition = "rock_block",
    },
    post1 = {
        angle = 0,
        x = 22,
        y = -1.5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 26,
        y = -1.5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 24,
        y = -3.5,
        name = "beam1",
        definition = "wood_beam",
    },
    post3 = {
        angle = 0,
        x = 22,
        y = -5.5,
        name = "post3",
        definition = "stone_post",
    },
    post4 = {
        angle = 0,
        x = 26,
        y = -5.5,
        name = "post4",
        definition = "stone_post",
    },
    beam2 = {
        angle = 0,
        x = 24,
        y = -7.5,
        name = "beam2",
        definition = "stone_beam",
    },
    target1 = {
        angle = 0,
        x = 24,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 24,
        y = -4.8,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 24,
        y = -8.8,
        name = "target3",
        definition = "target",
    },
    portal_blue = {
        angle = -1.570796,
        x = 8,
        y = -1.8,
        name = "portal_blue",
        definition = "portal_blue",
    },
    portal_orange = {
        angle = 1.570796,
        x = 24,
        y = -13.3,
        name = "portal_orange",
        definition = "portal_orange",
    },
}
