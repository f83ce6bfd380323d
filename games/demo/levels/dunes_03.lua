theme = "dunes"
filename = "dunes_03.lua"
waterLevel = 3
counts = {
    birds = {
        "red","blue","black",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",90,-430,4,1,1,0,0,
    },
    {
        "cloud2","cloud_dunes",520,-400,6,1,1,0,0,
    },
    {
        "cactus1","cactus",760,0,0,1,1,0,1,
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
    island1 = {
        angle = 0,
        x = 23,
        y = -1,
        name = "island1",
        definition = "island",
    },
    post1 = {
        angle = 0,
        x = 21,
        y = -5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 25,
        y = -5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 23,
        y = -7,
        name = "beam1",
        definition = "wood_beam",
    },
    post3 = {
        angle = 0,
        x = 21,
        y = -9,
        name = "post3",
        definition = "glass_post",
    },
    post4 = {
        angle = 0,
        x = 25,
        y = -9,
        name = "post4",
        definition = "glass_post",
    },
    beam2 = {
        angle = 0,
        x = 23,
        y = -11,
        name = "beam2",
        definition = "glass_beam",
    },
    target1 = {
        angle = 0,
        x = 23,
        y = -4.3,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 23,
        y = -8.3,
        name = "target2",
        definition = "target",
    },
    block1 = {
        angle = 0,
        x = 20.5,
        y = -4.25,
        name = "block1",
        definition = "stone_block",
    },
    raft = {
        angle = 0,
        x = 12,
        y = -3,
        name = "raft",
        definition = "wood_plank",
    },
}
