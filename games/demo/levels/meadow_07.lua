themeSprites = {
    {
        "cloud1","cloud",200,-460,4,1,1,0,0,
    },{
        "cloud2","cloud",560,-400,5,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","red","blue","black",
    },
}
filename = "meadow_07.lua"
theme = "meadow"
world = {
    rock1 = {
        y = -1.7,
        x = 14,
        name = "rock1",
        angle = 0,
        definition = "rock_block",
    },
    post3 = {
        y = -6.1,
        x = 22,
        name = "post3",
        angle = 0,
        definition = "stone_post",
    },
    target3 = {
        y = -5.3,
        x = 24,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.3,
        x = 24,
        name = "beam2",
        angle = 0,
        definition = "stone_beam",
    },
    block1 = {
        y = -9.75,
        x = 22.33,
        name = "block1",
        angle = 0,
        definition = "wood_block",
    },
    portal_blue = {
        y = -1.9,
        x = 8,
        name = "portal_blue",
        angle = -1.570796,
        definition = "portal_blue",
    },
    ground = {
        y = 2.5,
        x = 15,
        name = "ground",
        angle = 0,
        definition = "ground",
    },
    post2 = {
        y = -1.7,
        x = 26,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
    portal_orange = {
        y = -13.4,
        x = 24,
        name = "portal_orange",
        angle = 1.570796,
        definition = "portal_orange",
    },
    post1 = {
        y = -1.7,
        x = 22,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    target4 = {
        y = -9.7,
        x = 24,
        name = "target4",
        angle = 0,
        definition = "target",
    },
    post4 = {
        y = -6.1,
        x = 26,
        name = "post4",
        angle = 0,
        definition = "stone_post",
    },
    target2 = {
        y = -0.9,
        x = 24,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -10.5,
        x = 14,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    rock3 = {
        y = -8.1,
        x = 14,
        name = "rock3",
        angle = 0,
        definition = "rock_block",
    },
    beam1 = {
        y = -3.9,
        x = 24,
        name = "beam1",
        angle = 0,
        definition = "wood_beam",
    },
    block2 = {
        y = -9.75,
        x = 25.67,
        name = "block2",
        angle = 0,
        definition = "wood_block",
    },
    rock2 = {
        y = -4.9,
        x = 14,
        name = "rock2",
        angle = 0,
        definition = "rock_block",
    },
}
