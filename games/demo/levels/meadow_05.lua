theme = "meadow"
filename = "meadow_05.lua"
counts = {
    birds = {
        "red","blue","black",
    },
}
themeSprites = {
    {
        "cloud1","cloud",120,-440,6,1,1,0,0,
    },
    {
        "cloud2","cloud",500,-390,4,1,1,0,0,
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
        definition = "glass_post",
    },
    post4 = {
        angle = 0,
        x = 24,
        y = -5.5,
        name = "post4",
        definition = "glass_post",
    },
    beam2 = {
        angle = 0,
        x = 22,
        y = -7.5,
        name = "beam2",
        definition = "glass_beam",
    },
    bigtarget1 = {
        angle = 0,
        x = 22,
        y = -1.1,
        name = "bigtarget1",
        definition = "target_big",
    },
    target1 = {
        angle = 0,
        x = 22,
        y = -4.8,
        name = "target1",
        definition = "target",
    },
    block1 = {
        angle = 0,
        x = 17,
        y = -0.75,
        name = "block1",
        definition = "glass_block",
    },
    block2 = {
        angle = 0,
        x = 17,
        y = -2.25,
        name = "block2",
        definition = "glass_block",
    },
}
