themeSprites = {
    {
        "cloud1","cloud_dunes",250,-440,5,1,1,0,0,
    },{
        "cactus1","cactus",200,0,0,1,1,0,1,
    },{
        "cactus2","cactus",820,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","black","blue","red",
    },
}
filename = "dunes_04.lua"
theme = "dunes"
world = {
    rock1 = {
        y = -1.7,
        x = 18,
        name = "rock1",
        angle = 0,
        definition = "rock_block",
    },
    ball1 = {
        y = -4.85,
        x = 20.5,
        name = "ball1",
        angle = 0,
        definition = "stone_ball",
    },
    plank1 = {
        y = -3.7,
        x = 22.5,
        name = "plank1",
        angle = 0,
        definition = "wood_plank",
    },
    target3 = {
        y = -4.1,
        x = 27.8,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    target4 = {
        y = -4.1,
        x = 17.2,
        name = "target4",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -4.9,
        x = 22.5,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    block1 = {
        y = -0.95,
        x = 20.4,
        name = "block1",
        angle = 0,
        definition = "glass_block",
    },
    target2 = {
        y = -0.9,
        x = 22.5,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    block2 = {
        y = -0.95,
        x = 24.6,
        name = "block2",
        angle = 0,
        definition = "glass_block",
    },
    ground = {
        y = 2.5,
        x = 15,
        name = "ground",
        angle = 0,
        definition = "ground",
    },
    ball2 = {
        y = -4.85,
        x = 24.5,
        name = "ball2",
        angle = 0,
        definition = "stone_ball",
    },
    rock2 = {
        y = -1.7,
        x = 27,
        name = "rock2",
        angle = 0,
        definition = "rock_block",
    },
}
