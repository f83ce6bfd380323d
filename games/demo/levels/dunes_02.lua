themeSprites = {
    {
        "cloud1","cloud_dunes",300,-450,5,1,1,0,0,
    },{
        "cactus1","cactus",60,0,0,1,1,0,1,
    },{
        "cactus2","cactus",640,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","blue","black","red",
    },
}
filename = "dunes_02.lua"
theme = "dunes"
world = {
    post4 = {
        y = -6.1,
        x = 24,
        name = "post4",
        angle = 0,
        definition = "wood_post",
    },
    beam4 = {
        y = -3.9,
        x = 29,
        name = "beam4",
        angle = 0,
        definition = "wood_beam",
    },
    post6 = {
        y = -10.5,
        x = 24,
        name = "post6",
        angle = 0,
        definition = "glass_post",
    },
    post3 = {
        y = -6.1,
        x = 20,
        name = "post3",
        angle = 0,
        definition = "wood_post",
    },
    target3 = {
        y = -9.7,
        x = 22,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.3,
        x = 22,
        name = "beam2",
        angle = 0,
        definition = "wood_beam",
    },
    block2 = {
        y = -14.15,
        x = 23.67,
        name = "block2",
        angle = 0,
        definition = "glass_block",
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
        x = 24,
        name = "post2",
        angle = 0,
        definition = "stone_post",
    },
    post1 = {
        y = -1.7,
        x = 20,
        name = "post1",
        angle = 0,
        definition = "stone_post",
    },
    target5 = {
        y = -0.9,
        x = 29,
        name = "target5",
        angle = 0,
        definition = "target",
    },
    post7 = {
        y = -1.7,
        x = 27,
        name = "post7",
        angle = 0,
        definition = "wood_post",
    },
    beam3 = {
        y = -12.7,
        x = 22,
        name = "beam3",
        angle = 0,
        definition = "glass_beam",
    },
    target4 = {
        y = -14.1,
        x = 22,
        name = "target4",
        angle = 0,
        definition = "target",
    },
    target2 = {
        y = -5.3,
        x = 22,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -0.9,
        x = 22,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    post8 = {
        y = -1.7,
        x = 31,
        name = "post8",
        angle = 0,
        definition = "wood_post",
    },
    beam1 = {
        y = -3.9,
        x = 22,
        name = "beam1",
        angle = 0,
        definition = "stone_beam",
    },
    block1 = {
        y = -14.15,
        x = 20.33,
        name = "block1",
        angle = 0,
        definition = "glass_block",
    },
    post5 = {
        y = -10.5,
        x = 20,
        name = "post5",
        angle = 0,
        definition = "glass_post",
    },
}
