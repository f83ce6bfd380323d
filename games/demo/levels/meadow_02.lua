themeSprites = {
    {
        "cloud1","cloud",150,-400,4,1,1,0,0,
    },{
        "cloud2","cloud",560,-440,6,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","red","red",
    },
}
filename = "meadow_02.lua"
theme = "meadow"
world = {
    post4 = {
        y = -1.7,
        x = 25,
        name = "post4",
        angle = 0,
        definition = "wood_post",
    },
    block3 = {
        y = -0.95,
        x = 23,
        name = "block3",
        angle = 0,
        definition = "glass_block",
    },
    target2 = {
        y = -0.9,
        x = 17,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -6.1,
        x = 20,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    post3 = {
        y = -1.7,
        x = 21,
        name = "post3",
        angle = 0,
        definition = "wood_post",
    },
    plank1 = {
        y = -4.9,
        x = 20,
        name = "plank1",
        angle = 0,
        definition = "wood_plank",
    },
    beam2 = {
        y = -3.9,
        x = 23,
        name = "beam2",
        angle = 0,
        definition = "wood_beam",
    },
    block2 = {
        y = -6.15,
        x = 23.25,
        name = "block2",
        angle = 0,
        definition = "glass_block",
    },
    post1 = {
        y = -1.7,
        x = 15,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    block1 = {
        y = -6.15,
        x = 16.75,
        name = "block1",
        angle = 0,
        definition = "glass_block",
    },
    beam1 = {
        y = -3.9,
        x = 17,
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
        x = 19,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
