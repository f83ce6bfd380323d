theme = "dunes"
filename = "dunes_02.lua"
counts = {
    birds = {
        "red","blue","black","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",300,-450,5,1,1,0,0,
    },
    {
        "cactus1","cactus",60,0,0,1,1,0,1,
    },
    {
        "cactus2","cactus",640,0,0,1,1,0,1,
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
        x = 20,
        y = -1.5,
        name = "post1",
        definition = "stone_post",
    },
    post2 = {
        angle = 0,
        x = 24,
        y = -1.5,
        name = "post2",
        definition = "stone_post",
    },
    beam1 = {
        angle = 0,
        x = 22,
        y = -3.5,
        name = "beam1",
        definition = "stone_beam",
    },
    post3 = {
        angle = 0,
        x = 20,
        y = -5.5,
        name = "post3",
        definition = "wood_post",
    },
    post4 = {
        angle = 0,
        x = 24,
        y = -5.5,
        name = "post4",
        definition = "wood_post",
    },
    beam2 = {
        angle = 0,
        x = 22,
        y = -7.5,
        name = "beam2",
        definition = "wood_beam",
    },
    post5 = {
        angle = 0,
        x = 20,
        y = -9.5,
        name = "post5",
        definition = "glass_post",
    },
    post6 = {
        angle = 0,
        x = 24,
        y = -9.5,
        name = "post6",
        definition = "glass_post",
    },
    beam3 = {
        angle = 0,
        x = 22,
        y = -11.5,
        name = "beam3",
        definition = "glass_beam",
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
        x = 22,
        y = -4.8,
        name = "target2",
        definition = "target",
    },
    target3 = {
        angle = 0,
        x = 22,
        y = -8.8,
        name = "target3",
        definition = "target",
    },
    target4 = {
        angle = 0,
        x = 22,
        y = -12.8,
        name = "target4",
        definition = "target",
    },
}
