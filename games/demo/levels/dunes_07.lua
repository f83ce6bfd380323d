themeSprites = {
    {
        "cloud1","cloud_dunes",220,-430,5,1,1,0,0,
    },{
        "cloud2","cloud_dunes",700,-460,3,1,1,0,0,
    },
}
counts = {
    birds = {
        "blue","black","red","blue",
    },
}
filename = "dunes_07.lua"
waterLevel = 4
theme = "dunes"
world = {
    island1 = {
        y = -2.1,
        x = 17,
        name = "island1",
        angle = 0,
        definition = "island",
    },
    bigtarget1 = {
        y = -5.8,
        x = 27,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post1 = {
        y = -6.3,
        x = 15,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    target2 = {
        y = -9.9,
        x = 27,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -5.5,
        x = 17,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.5,
        x = 27,
        name = "beam2",
        angle = 0,
        definition = "stone_beam",
    },
    post4 = {
        y = -6.3,
        x = 29,
        name = "post4",
        angle = 0,
        definition = "stone_post",
    },
    island2 = {
        y = -2.1,
        x = 27,
        name = "island2",
        angle = 0,
        definition = "island",
    },
    post3 = {
        y = -6.3,
        x = 25,
        name = "post3",
        angle = 0,
        definition = "stone_post",
    },
    beam1 = {
        y = -8.5,
        x = 17,
        name = "beam1",
        angle = 0,
        definition = "wood_beam",
    },
    ground = {
        y = 2.5,
        x = 15,
        name = "ground",
        angle = 0,
        definition = "ground",
    },
    post2 = {
        y = -6.3,
        x = 19,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
