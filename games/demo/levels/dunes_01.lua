theme = "dunes"
filename = "dunes_01.lua"
counts = {
    birds = {
        "red","blue","black",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",180,-420,4,1,1,0,0,
    },
    {
        "cactus1","cactus",120,0,0,1,1,0,1,
    },
    {
        "cactus2","cactus",520,0,0,1,1,0,1,
    },
    {
        "cactus3","cactus",900,0,0,1,1,0,1,
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
    block1 = {
        angle = 0,
        x = 19,
        y = -0.75,
        name = "block1",
        definition = "wood_block",
    },
    block2 = {
        angle = 0,
        x = 20.6,
        y = -0.75,
        name = "block2",
        definition = "wood_block",
    },
    block3 = {
        angle = 0,
        x = 22.2,
        y = -0.75,
        name = "block3",
        definition = "wood_block",
    },
    block4 = {
        angle = 0,
        x = 23.8,
        y = -0.75,
        name = "block4",
        definition = "wood_block",
    },
    block5 = {
        angle = 0,
        x = 19.8,
        y = -2.25,
        name = "block5",
        definition = "glass_block",
    },
    block6 = {
        angle = 0,
        x = 21.4,
        y = -2.25,
        name = "block6",
        definition = "glass_block",
    },
    block7 = {
        angle = 0,
        x = 23,
        y = -2.25,
        name = "block7",
        definition = "glass_block",
    },
    block8 = {
        angle = 0,
        x = 20.6,
        y = -3.75,
        name = "block8",
        definition = "wood_block",
    },
    block9 = {
        angle = 0,
        x = 22.2,
        y = -3.75,
        name = "block9",
        definition = "wood_block",
    },
    target1 = {
        angle = 0,
        x = 21.4,
        y = -5.3,
        name = "target1",
        definition = "target",
    },
    post1 = {
        angle = 0,
        x = 25,
        y = -1.5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 29,
        y = -1.5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 27,
        y = -3.5,
        name = "beam1",
        definition = "wood_beam",
    },
    target2 = {
        angle = 0,
        x = 27,
        y = -0.8,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 27,
        y = -4.8,
        name = "target3",
        definition = "target",
    },
}
