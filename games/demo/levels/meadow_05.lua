themeSprites = {
    {
        "cloud1","cloud",120,-440,6,1,1,0,0,
    },{
        "cloud2","cloud",500,-390,4,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","blue","black",
    },
}
filename = "meadow_05.lua"
theme = "meadow"
world = {
    post4 = {
        y = -6.1,
        x = 24,
        name = "post4",
        angle = 0,
        definition = "glass_post",
    },
    bigtarget1 = {
        y = -1.2,
        x = 22,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post1 = {
        y = -1.7,
        x = 20,
        name = "post1",
        angle = 0,
        definition = "stone_post",
    },
    target1 = {
        y = -5.3,
        x = 22,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.3,
        x = 22,
        name = "beam2",
        angle = 0,
        definition = "glass_beam",
    },
    block1 = {
        y = -0.95,
        x = 17,
        name = "block1",
        angle = 0,
        definition = "glass_block",
    },
    post3 = {
        y = -6.1,
        x = 20,
        name = "post3",
        angle = 0,
        definition = "glass_post",
    },
    block2 = {
        y = -2.65,
        x = 17,
        name = "block2",
        angle = 0,
        definition = "glass_block",
    },
    beam1 = {
        y = -3.9,
        x = 22,
        name = "beam1",
        angle = 0,
        definition = "stone_beam",
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
}
