themeSprites = {
    {
        "cloud1","cloud_dunes",180,-420,4,1,1,0,0,
    },{
        "cactus1","cactus",120,0,0,1,1,0,1,
    },{
        "cactus2","cactus",520,0,0,1,1,0,1,
    },{
        "cactus3","cactus",900,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","blue","black",
    },
}
filename = "dunes_01.lua"
theme = "dunes"
world = {
    target2 = {
        y = -0.9,
        x = 28,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    post1 = {
        y = -1.7,
        x = 26,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    target1 = {
        y = -6,
        x = 21.7,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    block4 = {
        y = -0.95,
        x = 24.4,
        name = "block4",
        angle = 0,
        definition = "wood_block",
    },
    block3 = {
        y = -0.95,
        x = 22.6,
        name = "block3",
        angle = 0,
        definition = "wood_block",
    },
    block2 = {
        y = -0.95,
        x = 20.8,
        name = "block2",
        angle = 0,
        definition = "wood_block",
    },
    target3 = {
        y = -5.3,
        x = 28,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    block8 = {
        y = -4.35,
        x = 20.8,
        name = "block8",
        angle = 0,
        definition = "wood_block",
    },
    block6 = {
        y = -2.65,
        x = 21.7,
        name = "block6",
        angle = 0,
        definition = "glass_block",
    },
    block5 = {
        y = -2.65,
        x = 19.9,
        name = "block5",
        angle = 0,
        definition = "glass_block",
    },
    block1 = {
        y = -0.95,
        x = 19,
        name = "block1",
        angle = 0,
        definition = "wood_block",
    },
    block7 = {
        y = -2.65,
        x = 23.5,
        name = "block7",
        angle = 0,
        definition = "glass_block",
    },
    block9 = {
        y = -4.35,
        x = 22.6,
        name = "block9",
        angle = 0,
        definition = "wood_block",
    },
    beam1 = {
        y = -3.9,
        x = 28,
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
        y = -1.7,
        x = 30,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
