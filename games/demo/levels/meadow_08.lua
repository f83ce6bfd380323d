themeSprites = {
    {
        "cloud1","cloud",100,-430,5,1,1,0,0,
    },{
        "cloud2","cloud",450,-460,3,1,1,0,0,
    },{
        "cloud3","cloud",760,-390,4,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","blue","black","blue","red",
    },
}
filename = "meadow_08.lua"
theme = "meadow"
world = {
    post4 = {
        y = -6.1,
        x = 20,
        name = "post4",
        angle = 0,
        definition = "glass_post",
    },
    beam4 = {
        y = -8.3,
        x = 26,
        name = "beam4",
        angle = 0,
        definition = "wood_beam",
    },
    post6 = {
        y = -1.7,
        x = 28,
        name = "post6",
        angle = 0,
        definition = "stone_post",
    },
    plank1 = {
        y = -9.3,
        x = 22,
        name = "plank1",
        angle = 0,
        definition = "wood_plank",
    },
    target3 = {
        y = -5.3,
        x = 26,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.3,
        x = 18,
        name = "beam2",
        angle = 0,
        definition = "glass_beam",
    },
    block1 = {
        y = -10.55,
        x = 20.33,
        name = "block1",
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
        x = 20,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
    post1 = {
        y = -1.7,
        x = 16,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    target4 = {
        y = -10.5,
        x = 22,
        name = "target4",
        angle = 0,
        definition = "target",
    },
    target2 = {
        y = -5.3,
        x = 18,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    post7 = {
        y = -6.1,
        x = 24,
        name = "post7",
        angle = 0,
        definition = "wood_post",
    },
    beam3 = {
        y = -3.9,
        x = 26,
        name = "beam3",
        angle = 0,
        definition = "stone_beam",
    },
    target1 = {
        y = -0.9,
        x = 18,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    bigtarget1 = {
        y = -1.2,
        x = 26,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post3 = {
        y = -6.1,
        x = 16,
        name = "post3",
        angle = 0,
        definition = "glass_post",
    },
    post8 = {
        y = -6.1,
        x = 28,
        name = "post8",
        angle = 0,
        definition = "wood_post",
    },
    beam1 = {
        y = -3.9,
        x = 18,
        name = "beam1",
        angle = 0,
        definition = "wood_beam",
    },
    post5 = {
        y = -1.7,
        x = 24,
        name = "post5",
        angle = 0,
        definition = "stone_post",
    },
    block2 = {
        y = -10.55,
        x = 23.67,
        name = "block2",
        angle = 0,
        definition = "glass_block",
    },
}
