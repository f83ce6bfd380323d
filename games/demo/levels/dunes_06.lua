theme = "dunes"
filename = "dunes_06.lua"
counts = {
    birds = {
        "red","blue","black","black",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",60,-400,4,1,1,0,0,
    },
    {
        "cloud2","cloud_dunes",480,-440,5,1,1,0,0,
    },
    {
        "cactus1","cactus",300,0,0,1,1,0,1,
    },
    {
        "cactus2","cactus",980,0,0,1,1,0,1,
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
        definition = "glass_post",
    },
    post2 = {
        angle = 0,
        x = 20,
        y = -1.5,
        name = "post2",
        definition = "glass_post",
    },
    beam1 = {
        angle = 0,
        x = 18,
        y = -3.5,
        name = "beam1",
        definition = "glass_beam",
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
        x = 23,
        y = -1.5,
        name = "post5",
        definition = "glass_post",
    },
    post6 = {
        angle = 0,
        x = 27,
        y = -1.5,
        name = "post6",
        definition = "glass_post",
    },
    beam3 = {
        angle = 0,
        x = 25,
        y = -3.5,
        name = "beam3",
        definition = "glass_beam",
    },
    post7 = {
        angle = 0,
        x = 23,
        y = -5.5,
        name = "post7",
        definition = "wood_post",
    },
    post8 = {
        angle = 0,
        x = 27,
        y = -5.5,
        name = "post8",
        definition = "wood_post",
    },
    beam4 = {
        angle = 0,
        x = 25,
        y = -7.5,
        name = "beam4",
        definition = "wood_beam",
    },
    bigtarget1 = {
        angle = 0,
        x = 18,
        y = -1.1,
        name = "bigtarget1",
        definition = "target_big",
    },
    target1 = {
        angle = 0,
        x = 25,
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
    target3 = {
        angle = 0,
        x = 25,
        y = -8.8,
        name = "target3",
        definition = "target",
    },
}
