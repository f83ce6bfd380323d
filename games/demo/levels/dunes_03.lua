themeSprites = {
    {
        "cloud1","cloud_dunes",90,-430,4,1,1,0,0,
    },{
        "cloud2","cloud_dunes",520,-400,6,1,1,0,0,
    },{
        "cactus1","cactus",760,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","blue","black",
    },
}
filename = "dunes_03.lua"
waterLevel = 3
theme = "dunes"
world = {
    island1 = {
        y = -1.1,
        x = 23,
        name = "island1",
        angle = 0,
        definition = "island",
    },
    block3 = {
        y = -11.85,
        x = 23,
        name = "block3",
        angle = 0,
        definition = "stone_block",
    },
    target2 = {
        y = -4.5,
        x = 23,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -8.9,
        x = 23,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    raft = {
        y = -3,
        x = 12,
        name = "raft",
        angle = 0,
        definition = "wood_plank",
    },
    beam2 = {
        y = -10.4,
        x = 23,
        name = "beam2",
        angle = 0,
        definition = "glass_beam",
    },
    block2 = {
        y = -8.95,
        x = 24.67,
        name = "block2",
        angle = 0,
        definition = "glass_block",
    },
    post1 = {
        y = -5.3,
        x = 21,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    block1 = {
        y = -8.95,
        x = 21.33,
        name = "block1",
        angle = 0,
        definition = "glass_block",
    },
    beam1 = {
        y = -7.5,
        x = 23,
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
        y = -5.3,
        x = 25,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
