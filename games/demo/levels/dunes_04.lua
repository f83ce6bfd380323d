theme = "dunes"
filename = "dunes_04.lua"
counts = {
    birds = {
        "red","black","blue","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",250,-440,5,1,1,0,0,
    },
    {
        "cactus1","cactus",200,0,0,1,1,0,1,
    },
    {
        "cactus2","cactus",820,0,0,1,1,0,1,
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
        x = 18,
        y = -1.5,
        name = "rock1",
        definition = "rock_block",
    },
    rock2 = {
        angle = 0,
        x = 27,
        y = -1.5,
        name = "rock2",
        definition = "rock_block",
    },
    plank1 = {
        angle = 0,
        x = 22.5,
        y = -3.3,
        name = "plank1",
        definition = "wood_plank",
    },
    target1 = {
        angle = 0,
        x = 22.5,
        y = -4.4,
        name = "target1",
        definition = "target",
    },
    ball1 = {
        angle = 0,
        x = 20.5,
        y = -4.35,
        name = "ball1",
        definition = "stone_ball",
    },
    ball2 = {
        angle = 0,
        x = 24.5,
        y = -4.35,
        name = "ball2",
        definition = "stone_ball",
    },
    block1 = {
        angle = 0,
        x = 20.6,
        y = -0.75,
        name = "block1",
        definition = "glass_block",
    },
    block2 = {
        angle = 0,
        x = 20.6,
        y = -2.25,
        name = "block2",
        definition = "glass_block",
    },
    block3 = {
        angle = 0,
        x = 24.4,
        y = -0.75,
        name = "block3",
        definition = "glass_block",
    },
    block4 = {
        angle = 0,
        x = 24.4,
        y = -2.25,
        name = "block4",
        definition = "glass_block",
    },
    target2 = {
        angle = 0,
        x = 22.5,
        y = -0.8,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 27.8,
        y = -3.8,
        name = "target3",
        definition = "target",
    },
}
