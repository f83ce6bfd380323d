theme = "meadow"
filename = "meadow_06.lua"
counts = {
    birds = {
        "red","black","blue","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud",40,-410,3,1,1,0,0,
    },
    {
        "cloud2","cloud",330,-450,5,1,1,0,0,
    },
    {
        "cloud3","cloud",650,-380,4,1,1,0,0,
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
        x = 21.5,
        y = -1.5,
        name = "rock1",
        definition = "rock_block",
    },
    rock2 = {
        angle = 0,
        x = 26.5,
        y = -1.5,
        name = "rock2",
        definition = "rock_block",
    },
    ledge1 = {
        angle = 0,
        x = 24,
        y = -3.5,
        name = "ledge1",
        definition = "rock_pillar",
    },
    target1 = {
        angle = 0,
        x = 24,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    post1 = {
        angle = 0,
        x = 22,
        y = -5.5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 26,
        y = -5.5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 24,
        y = -7.5,
        name = "beam1",
        definition = "wood_beam",
    },
    target2 = {
        angle = 0,
        x = 24,
        y = -4.8,
        name = "target2",
        definition = "target",
    },
    ball1 = {
        angle = 0,
        x = 24,
        y = -8.75,
        name = "ball1",
        definition = "stone_ball",
    },
    post3 = {
        angle = 0,
        x = 15,
        y = -1.5,
        name = "post3",
        definition = "glass_post",
    },
    post4 = {
        angle = 0,
        x = 19,
        y = -1.5,
        name = "post4",
        definition = "glass_post",
    },
    beam2 = {
        angle = 0,
        x = 17,
        y = -3.5,
        name = "beam2",
        definition = "glass_beam",
    },
    target3 = {
        angle = 0,
        x = 17,
        y = -0.8,
        name = "target3",
        definition = "target",
    },
}
