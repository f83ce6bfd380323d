themeSprites = {
    {
        "cloud1","cloud_dunes",60,-400,4,1,1,0,0,
    },{
        "cloud2","cloud_dunes",480,-440,5,1,1,0,0,
    },{
        "cactus1","cactus",300,0,0,1,1,0,1,
    },{
        "cactus2","cactus",980,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","blue","black","black",
    },
}
filename = "dunes_06.lua"
theme = "dunes"
world = {
    target2 = {
        y = -5.3,
        x = 18,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    beam4 = {
        y = -8.3,
        x = 25,
        name = "beam4",
        angle = 0,
        definition = "wood_beam",
    },
    post6 = {
        y = -1.7,
        x = 27,
        name = "post6",
        angle = 0,
        definition = "glass_post",
    },
    post3 = {
        y = -6.1,
        x = 16,
        name = "post3",
        angle = 0,
        definition = "glass_post",
    },
    target3 = {
        y = -9.7,
        x = 25,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    post5 = {
        y = -1.7,
        x = 23,
        name = "post5",
        angle = 0,
        definition = "glass_post",
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
        definition = "glass_post",
    },
    post1 = {
        y = -1.7,
        x = 16,
        name = "post1",
        angle = 0,
        definition = "glass_post",
    },
    post7 = {
        y = -6.1,
        x = 23,
        name = "post7",
        angle = 0,
        definition = "wood_post",
    },
    beam3 = {
        y = -3.9,
        x = 25,
        name = "beam3",
        angle = 0,
        definition = "glass_beam",
    },
    post4 = {
        y = -6.1,
        x = 20,
        name = "post4",
        angle = 0,
        definition = "glass_post",
    },
    bigtarget1 = {
        y = -1.2,
        x = 18,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post8 = {
        y = -6.1,
        x = 27,
        name = "post8",
        angle = 0,
        definition = "wood_post",
    },
    beam1 = {
        y = -3.9,
        x = 18,
        name = "beam1",
        angle = 0,
        definition = "glass_beam",
    },
    target1 = {
        y = -0.9,
        x = 25,
        name = "target1",
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
}
