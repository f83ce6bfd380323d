themeSprites = {
    {
        "cloud1","cloud_dunes",100,-440,4,1,1,0,0,
    },{
        "cloud2","cloud_dunes",420,-400,6,1,1,0,0,
    },{
        "cloud3","cloud_dunes",800,-450,3,1,1,0,0,
    },{
        "cactus1","cactus",560,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","blue","black","blue","black",
    },
}
filename = "dunes_08.lua"
theme = "dunes"
world = {
    post4 = {
        y = -1.7,
        x = 24,
        name = "post4",
        angle = 0,
        definition = "wood_post",
    },
    beam4 = {
        y = -8.3,
        x = 22,
        name = "beam4",
        angle = 0,
        definition = "glass_beam",
    },
    post6 = {
        y = -1.7,
        x = 30,
        name = "post6",
        angle = 0,
        definition = "stone_post",
    },
    post3 = {
        y = -1.7,
        x = 20,
        name = "post3",
        angle = 0,
        definition = "wood_post",
    },
    target3 = {
        y = -5.3,
        x = 22,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -3.9,
        x = 22,
        name = "beam2",
        angle = 0,
        definition = "wood_beam",
    },
    ball2 = {
        y = -5.25,
        x = 28,
        name = "ball2",
        angle = 0,
        definition = "stone_ball",
    },
    post2 = {
        y = -1.7,
        x = 18,
        name = "post2",
        angle = 0,
        definition = "stone_post",
    },
    ball1 = {
        y = -5.25,
        x = 16,
        name = "ball1",
        angle = 0,
        definition = "stone_ball",
    },
    post1 = {
        y = -1.7,
        x = 14,
        name = "post1",
        angle = 0,
        definition = "stone_post",
    },
    target4 = {
        y = -9.7,
        x = 22,
        name = "target4",
        angle = 0,
        definition = "target",
    },
    post7 = {
        y = -6.1,
        x = 20,
        name = "post7",
        angle = 0,
        definition = "glass_post",
    },
    beam3 = {
        y = -3.9,
        x = 28,
        name = "beam3",
        angle = 0,
        definition = "stone_beam",
    },
    target2 = {
        y = -0.9,
        x = 28,
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
    ground = {
        y = 2.5,
        x = 15,
        name = "ground",
        angle = 0,
        definition = "ground",
    },
    post8 = {
        y = -6.1,
        x = 24,
        name = "post8",
        angle = 0,
        definition = "glass_post",
    },
    beam1 = {
        y = -3.9,
        x = 16,
        name = "beam1",
        angle = 0,
        definition = "stone_beam",
    },
    bigtarget1 = {
        y = -1.2,
        x = 16,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post5 = {
        y = -1.7,
        x = 26,
        name = "post5",
        angle = 0,
        definition = "stone_post",
    },
}
