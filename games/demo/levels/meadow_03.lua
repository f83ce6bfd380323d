theme = "meadow"
filename = "meadow_03.lua"
counts = {
    birds = {
        "red","blue","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud",80,-380,5,1,1,0,0,
    },
    {
        "cloud2","cloud",380,-450,4,1,1,0,0,
    },
    {
        "cloud3","cloud",700,-400,3,1,1,0,0,
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
        x = 19,
        y = -1.5,
        name = "post1",
        definition = "glass_post",
    },
    post2 = {
        angle = 0,
        x = 23,
        y = -1.5,
        name = "post2",
        definition = "glass_post",
    },
    beam1 = {
        angle = 0,
        x = 21,
        y = -3.5,
        name = "beam1",
        definition = "glass_beam",
    },
    post3 = {
        angle = 0,
        x = 19,
        y = -5.5,
        name = "post3",
        definition = "glass_post",
    },
    post4 = {
        angle = 0,
        x = 23,
        y = -5.5,
        name = "post4",
        definition = "glass_post",
    },
    beam2 = {
        angle = 0,
        x = 21,
        y = -7.5,
        name = "beam2",
        definition = "glass_beam",
    },
    target1 = {
        angle = 0,
        x = 21,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 21,
        y = -4.8,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 21,
        y = -8.8,
        name = "target3",
        definition = "target",
    },
    block1 = {
        angle = 0,
        x = 26.5,
        y = -0.75,
        name = "block1",
        definition = "wood_block",
    },
    block2 = {
        angle = 0,
        x = 26.5,
        y = -2.25,
        name = "block2",
        definition = "wood_block",
    },
}
