themeSprites = {
    {
        "cloud1","cloud_dunes",140,-420,3,1,1,0,0,
    },{
        "cloud2","cloud_dunes",600,-450,5,1,1,0,0,
    },{
        "cactus1","cactus",40,0,0,1,1,0,1,
    },{
        "cactus2","cactus",700,0,0,1,1,0,1,
    },
}
counts = {
    birds = {
        "red","blue","black","red",
    },
}
filename = "dunes_05.lua"
theme = "dunes"
world = {
    rock1 = {
        y = -1.7,
        x = 19,
        name = "rock1",
        angle = 0,
        definition = "rock_block",
    },
    bigtarget1 = {
        y = -1.2,
        x = 25,
        name = "bigtarget1",
        angle = 0,
        definition = "target_big",
    },
    post3 = {
        y = -6.1,
        x = 23,
        name = "post3",
        angle = 0,
        definition = "glass_post",
    },
    target3 = {
        y = -7.3,
        x = 19,
        name = "target3",
        angle = 0,
        definition = "target",
    },
    beam2 = {
        y = -8.3,
        x = 25,
        name = "beam2",
        angle = 0,
        definition = "glass_beam",
    },
    block2 = {
        y = -10.55,
        x = 26.67,
        name = "block2",
        angle = 0,
        definition = "stone_block",
    },
    portal_blue = {
        y = -1.9,
        x = 9,
        name = "portal_blue",
        angle = -1.570796,
        definition = "portal_blue",
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
        x = 27,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
    portal_orange = {
        y = -14.4,
        x = 25,
        name = "portal_orange",
        angle = 1.570796,
        definition = "portal_orange",
    },
    post1 = {
        y = -1.7,
        x = 23,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    target2 = {
        y = -10.5,
        x = 25,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    post4 = {
        y = -6.1,
        x = 27,
        name = "post4",
        angle = 0,
        definition = "glass_post",
    },
    target1 = {
        y = -5.3,
        x = 25,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    block1 = {
        y = -10.55,
        x = 23.33,
        name = "block1",
        angle = 0,
        definition = "stone_block",
    },
    beam1 = {
        y = -3.9,
        x = 25,
        name = "beam1",
        angle = 0,
        definition = "wood_beam",
    },
    plank1 = {
        y = -9.3,
        x = 25,
        name = "plank1",
        angle = 0,
        definition = "stone_plank",
    },
    rock2 = {
        y = -4.9,
        x = 19,
        name = "rock2",
        angle = 0,
        definition = "rock_block",
    },
}
