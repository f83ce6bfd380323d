theme = "dunes"
filename = "dunes_07.lua"
waterLevel = 4
counts = {
    birds = {
        "blue","black","red","blue",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",220,-430,5,1,1,0,0,
    },
    {
        "cloud2","cloud_dunes",700,-460,3,1,1,0,0,
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
    island1 = {
        angle = 0,
        x = 17,
        y = -2,
        name = "island1",
        definition = "island",
    },
    island2 = {
        angle = 0,
        x = 27,
        y = -2,
        name = "island2",
        definition = "island",
    },
    post1 = {
        angle = 0,
        x = 15,
        y = -6,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 19,
        y = -6,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 17,
        y = -8,
        name = "beam1",
        definition = "wood_beam",
    },
    post3 = {
        angle = 0,
        x = 25,
        y = -6,
        name = "post3",
        definition = "stone_post",
    },
    post4 = {
        angle = 0,
        x = 29,
        y = -6,
        name = "post4",
        definition = "stone_post",
    },
    beam2 = {
        angle = 0,
        x = 27,
        y = -8,
        name = "beam2",
        definition = "stone_beam",
    },
    target1 = {
        angle = 0,
        x = 17,
        y = -5.3,
        name = "target1",
        definition = "target",
    },
    bigtarget1 = {
        angle = 0,
        x = 27,
        y = -5.6,
        name = "bigtarget1",
        definition = "target_big",
    },
    target2 = {
        angle = 0,
        x = 27,
        y = -9.3,
        name = "target2",
        definition = "target",
    },
}
