theme = "meadow"
filename = "meadow_04.lua"
counts = {
    birds = {
        "red","blue","blue","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud",240,-430,4,1,1,0,0,
    },
    {
        "cloud2","cloud",600,-370,5,1,1,0,0,
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
        x = 17,
        y = -0.75,
        name = "block1",
        definition = "stone_block",
    },
    block2 = {
        angle = 0,
        x = 21,
        y = -0.75,
        name = "block2",
        definition = "stone_block",
    },
    plank1 = {
        angle = 0,
        x = 19,
        y = -1.8,
        name = "plank1",
        definition = "wood_plank",
    },
    target1 = {
        angle = 0,
        x = 19,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    post1 = {
        angle = 0,
        x = 16.5,
        y = -3.6,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 21.5,
        y = -3.6,
        name = "post2",
        definition = "wood_post",
    },
    plank2 = {
        angle = 0,
        x = 19,
        y = -5.4,
        name = "plank2",
        definition = "wood_plank",
    },
    target2 = {
        angle = 0,
        x = 19,
        y = -2.9,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 19,
        y = -6.5,
        name = "target3",
        definition = "target",
    },
    block3 = {
        angle = 0,
        x = 26,
        y = -0.75,
        name = "block3",
        definition = "wood_block",
    },
    block4 = {
        angle = 0,
        x = 26,
        y = -2.25,
        name = "block4",
        definition = "wood_block",
    },
    block5 = {
        angle = 0,
        x = 26,
        y = -3.75,
        name = "block5",
        definition = "wood_block",
    },
    bigtarget1 = {
        angle = 0,
        x = 26,
        y = -5.6,
        name = "bigtarget1",
        definition = "target_big",
    },
}
