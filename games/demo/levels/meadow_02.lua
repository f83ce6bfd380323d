theme = "meadow"
filename = "meadow_02.lua"
counts = {
    birds = {
        "red","red","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud",150,-400,4,1,1,0,0,
    },
    {
        "cloud2","cloud",560,-440,6,1,1,0,0,
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
    post1 = {
        angle = 0,
        x = 15,
        y = -1.5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 19,
        y = -1.5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 17,
        y = -3.5,
        name = "beam1",
        definition = "wood_beam",
    },
    post3 = {
        angle = 0,
        x = 21,
        y = -1.5,
        name = "post3",
        definition = "wood_post",
    },
    post4 = {
        angle = 0,
        x = 25,
        y = -1.5,
        name = "post4",
        definition = "wood_post",
    },
    beam2 = {
        angle = 0,
        x = 23,
        y = -3.5,
        name = "beam2",
        definition = "wood_beam",
    },
    plank1 = {
        angle = 0,
        x = 20,
        y = -4.3,
        name = "plank1",
        definition = "wood_plank",
    },
    block1 = {
        angle = 0,
        x = 16.75,
        y = -5.35,
        name = "block1",
        definition = "glass_block",
    },
    block2 = {
        angle = 0,
        x = 23.25,
        y = -5.35,
        name = "block2",
        definition = "glass_block",
    },
    target1 = {
        angle = 0,
        x = 20,
        y = -5.4,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 17,
        y = -0.8,
        name = "target2",
        definition = "target",
    },
    block3 = {
        angle = 0,
        x = 23,
        y = -0.75,
        name = "block3",
        definition = "glass_block",
    },
}
