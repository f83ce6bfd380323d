theme = "dunes"
filename = "dunes_05.lua"
counts = {
    birds = {
        "red","blue","black","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud_dunes",140,-420,3,1,1,0,0,
    },
    {
        "cloud2","cloud_dunes",600,-450,5,1,1,0,0,
    },
    {
        "cactus1","cactus",40,0,0,1,1,0,1,
    },
    {
        "cactus2","cactus",700,0,0,1,1,0,1,
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
        x = 23,
        y = -1.5,
        name = "post1",
        definition = "stone_post",
    },
    post2 = {
        angle = 0,
        x = 27,
        y = -1.5,
        name = "post2",
        definition = "stone_post",
    },
    beam1 = {
        angle = 0,
        x = 25,
        y = -3.5,
        name = "beam1",
        definition = "stone_beam",
    },
    post3 = {
        angle = 0,
        x = 23,
        y = -5.5,
        name = "post3",
        definition = "stone_post",
    },
    post4 = {
        angle = 0,
        x = 27,
        y = -5.5,
        name = "post4",
        definition = "stone_post",
    },
    beam2 = {
        angle = 0,
        x = 25,
        y = -7.5,
        name = "beam2",
        definition = "stone_beam",
    },
    plank1 = {
        angle = 0,
        x = 25,
        y = -8.3,
        name = "plank1",
        definition = "stone_plank",
    },
    bigtarget1 = {
        angle = 0,
        x = 25,
        y = -1.1,
        name = "bigtarget1",
        definition = "target_big",
    },
    target1 = {
        angle = 0,
        x = 25,
        y = -4.8,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 25,
        y = -9.4,
        name = "target2",
        definition = "target",
    },
    rock1 = {
        angle = 0,
        x = 19.5,
        y = -1.5,
        name = "rock1",
        definition = "rock_block",
    },
    rock2 = {
        angle = 0,
        x = 19.5,
        y = -4.5,
        name = "rock2",
        definition = "rock_block",
    },
    rock3 = {
        angle = 0,
        x = 19.5,
        y = -7.5,
        name = "rock3",
        definition = "rock_block",
    },
    portal_blue = {
        angle = -1.570796,
        x = 9,
        y = -1.8,
        name = "portal_blue",
        definition = "portal_blue",
    },
    portal_orange = {
        angle = 1.570796,
        x = 25,
        y = -14.3,
        name = "portal_orange",
        definition = "portal_orange",
    },
}
