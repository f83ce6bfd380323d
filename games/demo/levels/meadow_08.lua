theme = "meadow"
filename = "meadow_08.lua"
counts = {
    birds = {
        "red","blue","black","blue","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud",100,-430,5,1,1,0,0,
    },
    {
        "cloud2","cloud",450,-460,3,1,1,0,0,
    },
    {
        "cloud3","cloud",760,-390,4,1,1,0,0,
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
        x = 16,
        y = -1.5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 20,
        y = -1.5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 18,
        y = -3.5,
        name = "beam1",
        definition = "wood_beam",
    },
    post3 = {
        angle = 0,
        x = 16,
        y = -5.5,
        name = "post3",
        definition = "glass_post",
    },
    post4 = {
        angle = 0,
        x = 20,
        y = -5.5,
        name = "post4",
        definition = "glass_post",
    },
    beam2 = {
        angle = 0,
        x = 18,
        y = -7.5,
        name = "beam2",
        definition = "glass_beam",
    },
    post5 = {
        angle = 0,
        x = 24,
        y = -1.5,
        name = "post5",
        definition = "stone_post",
    },
    post6 = {
        angle = 0,
        x = 28,
        y = -1.5,
        name = "post6",
        definition = "stone_post",
    },
    beam3 = {
        angle = 0,
        x = 26,
        y = -3.5,
        name = "beam3",
        definition = "stone_beam",
    },
    post7 = {
        angle = 0,
        x = 24,
        y = -5.5,
        name = "post7",
        definition = "wood_post",
    },
    post8 = {
        angle = 0,
        x = 28,
        y = -5.5,
        name = "post8",
        definition = "wood_post",
    },
    beam4 = {
        angle = 0,
        x = 26,
        y = -7.5,
        name = "beam4",
        definition = "wood_beam",
    },
    plank1 = {
        angle = 0,
        x = 22,
        y = -8.3,
        name = "plank1",
        definition = "wood_plank",
    },
    target1 = {
        angle = 0,
        x = 18,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 18,
        y = -4.8,
        name = "target2",
        definition = "target",
    },
    bigtarget1 = {
        angle = 0,
        x = 26,
        y = -1.1,
        name = "bigtarget1",
        definition = "target_big",
    },
    target3 = {
        angle = 0,
        x = 26,
        y = -4.8,
        name = "target3",
        definition = "target",
    },
    target4 = {
        angle = 0,
        x = 22,
        y = -9.4,
        name = "target4",
        definition = "target",
    },
}
