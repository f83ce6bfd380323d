themeSprites = {
    {
        "cloud1","cloud",80,-380,5,1,1,0,0,
    },{
        "cloud2","cloud",380,-450,4,1,1,0,0,
    },{
        "cloud3","cloud",700,-400,3,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","blue","red",
    },
}
filename = "meadow_03.lua"
theme = "meadow"
world = {
    post4 = {
        y = -6.1,
        x = 23,
        name = "post4",
        angle = 0,
        definition = "glass_post",
    },
    post1 = {
        y = -1.7,
        x = 19,
        name = "post1",
        angle = 0,
        definition = "glass_post",
    },
    target3 = {
        y = -9.7,
        x = 21,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    target2 = {
        y = -5.3,
        x = 21,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -0.9,
        x = 21,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.3,
        x = 21,
        name = "beam2",
        angle = 0,
        definition = "glass_beam",
    },
    block2 = {
        y = -2.65,
        x = 26.5,
        name = "block2",
        angle = 0,
        definition = "wood_block",
    },
    post3 = {
        y = -6.1,
        x = 19,
        name = "post3",
        angle = 0,
        definition = "glass_post",
    },
    block1 = {
        y = -0.95,
        x = 26.5,
        name = "block1",
        angle = 0,
        definition = "wood_block",
    },
    beam1 = {
        y = -3.9,
        x = 21,
        name = "beam1",
        angle = 0,
        definition = "glass_beam",
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
        x = 23,
        name = "post2",
        angle = 0,
        definition = "glass_post",
    },
}
