theme = "dunes"
filename = "dunes_08.lua"
counts = {
    birds = {
        "red","blue","black","blue","black",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",100,-440,4,1,1,0,0,
    },
    {
        "cloud2","cloud_dunes",420,-400,6,1,1,0,0,
    },
    {
        "cloud3","cloud_dunes",800,-450,3,1,1,0,0,
    },
    {
        "cactus1","cactus",560,0,0,1,1,0,1,
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
        x = 14,
        y = -1.5,
        name = "post1",
        definition = "stone_post",
    },
    post2 = {
        angle = 0,
        x = 18,
        y = -1.5,
        name = "post2",
        definition = "stone_post",
    },
    beam1 = {
        angle = 0,
        x = 16,
        y = -3.5,
        name = "beam1",
        definition = "stone_beam",
    },
    post3 = {
        angle = 0,
        x = 20,
        y = -1.5,
        name = "post3",
        definition = "wood_post",
    },
    post4 = {
        angle = 0,
        x = 24,
        y = -1.5,
        name = "post4",
        definition = "wood_post",
    },
    beam2 = {
        angle = 0,
        x = 22,
        y = -3.5,
        name = "beam2",
        definition = "wood_beam",
    },
    post5 = {
        angle = 0,
        x = 26,
        y = -1.5,
        name = "post5",
        definition = "stone_post",
    },
    post6 = {
        angle = 0,
        x = 30,
        y = -1.5,
        name = "post6",
        definition = "stone_post",
    },
    beam3 = {
        angle = 0,
        x = 28,
        y = -3.5,
        name = "beam3",
        definition = "stone_beam",
    },
    post7 = {
        angle = 0,
        x = 20,
        y = -5.5,
        name = "post7",
        definition = "glass_post",
    },
    post8 = {
        angle = 0,
        x = 24,
        y = -5.5,
        name = "post8",
        definition = "glass_post",
    },
    beam4 = {
        angle = 0,
        x = 22,
        y = -7.5,
        name = "beam4",
        definition = "glass_beam",
    },
    bigtarget1 = {
        angle = 0,
        x = 16,
        y = -1.1,
        name = "bigtarget1",
        definition = "target_big",
    },
    target1 = {
        angle = 0,
        x = 22,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 28,
        y = -0.8,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 22,
        y = -4.8,
        name = "target3",
        definition = "target",
    },
    target4 = {
        angle = 0,
        x = 22,
        y = -8.8,
        name = "target4",
        definition = "target",
    },
    ball1 = {
        angle = 0,
        x = 16,
        y = -4.75,
        name = "ball1",
        definition = "stone_ball",
    },
    ball2 = {
        angle = 0,
        x = 28,
        y = -4.75,
        name = "ball2",
        definition = "stone_ball",
    },
}
