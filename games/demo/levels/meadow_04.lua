themeSprites = {
    {
        "cloud1","cloud",240,-430,4,1,1,0,0,
    },{
        "cloud2","cloud",600,-370,5,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","blue","blue","red",
    },
}
filename = "meadow_04.lua"
theme = "meadow"
world = {
    target2 = {
        y = -3.4,
        x = 19,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    block4 = {
        y = -2.65,
        x = 26,
        name = "block4",
        angle = 0,
        definition = "wood_block",
    },
    block3 = {
        y = -0.95,
        x = 26,
        name = "block3",
        angle = 0,
        definition = "wood_block",
    },
    target1 = {
        y = -0.9,
        x = 19,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    target3 = {
        y = -7.4,
        x = 19,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    bigtarget1 = {
        y = -6.3,
        x = 26,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post1 = {
        y = -4.2,
        x = 16.5,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    block5 = {
        y = -4.35,
        x = 26,
        name = "block5",
        angle = 0,
        definition = "wood_block",
    },
    block2 = {
        y = -0.95,
        x = 21,
        name = "block2",
        angle = 0,
        definition = "stone_block",
    },
    plank2 = {
        y = -6.2,
        x = 19,
        name = "plank2",
        angle = 0,
        definition = "wood_plank",
    },
    plank1 = {
        y = -2.2,
        x = 19,
        name = "plank1",
        angle = 0,
        definition = "wood_plank",
    },
    block1 = {
        y = -0.95,
        x = 17,
        name = "block1",
        angle = 0,
        definition = "stone_block",
    },
    ground = {
        y = 2.5,
        x = 15,
        name = "ground",
        angle = 0,
        definition = "ground",
    },
    post2 = {
        y = -4.2,
        x = 21.5,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
