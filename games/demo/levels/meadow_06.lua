themeSprites = {
    {
        "cloud1","cloud",40,-410,3,1,1,0,0,
    },{
        "cloud2","cloud",330,-450,5,1,1,0,0,
    },{
        "cloud3","cloud",650,-380,4,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","black","blue","red",
    },
}
filename = "meadow_06.lua"
theme = "meadow"
world = {
    post4 = {
        y = -1.7,
        x = 19,
        name = "post4",
        angle = 0,
        definition = "glass_post",
    },
    ball1 = {
        y = -9.65,
        x = 24,
        name = "ball1",
        angle = 0,
        definition = "stone_ball",
    },
    post1 = {
        y = -6.1,
        x = 22,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    target2 = {
        y = -0.9,
        x = 17,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -5.3,
        x = 24,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    ledge1 = {
        y = -3.9,
        x = 24,
        name = "ledge1",
        angle = 0,
        definition = "rock_pillar",
    },
    beam2 = {
        y = -3.9,
        x = 17,
        name = "beam2",
        angle = 0,
        definition = "glass_beam",
    },
    rock2 = {
        y = -1.7,
        x = 26.5,
        name = "rock2",
        angle = 0,
        definition = "rock_block",
    },
    rock1 = {
        y = -1.7,
        x = 21.5,
        name = "rock1",
        angle = 0,
        definition = "rock_block",
    },
    post3 = {
        y = -1.7,
        x = 15,
        name = "post3",
        angle = 0,
        definition = "glass_post",
    },
    beam1 = {
        y = -8.3,
        x = 24,
        name = "beam1",
        angle = 0,
        definition = "wood_beam",
    },
    ground = {
        y = 2.5,
        x = 15,
        name = "ground",
        angle = 0,
        definition = "ground",
    },
    post2 = {
        y = -6.1,
        x = 26,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
