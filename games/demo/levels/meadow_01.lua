themeSprites = {
    {
        "cloud1","cloud",60,-420,5,1,1,0,0,
    },{
        "cloud2","cloud",420,-360,3,1,1,0,0,
    },
}
counts = {
    birds = {
        "red","red","red",
    },
}
filename = "meadow_01.lua"
theme = "meadow"
world = {
    target2 = {
        y = -5.3,
        x = 20,
        name = "target2",
        angle = 0,
        definition = "target",
    },
    target1 = {
        y = -0.9,
        x = 20,
        name = "target1",
        angle = 0,
        definition = "target",
    },
    post1 = {
        y = -1.7,
        x = 18,
        name = "post1",
        angle = 0,
        definition = "wood_post",
    },
    beam1 = {
        y = -3.9,
        x = 20,
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
        y = -1.7,
        x = 22,
        name = "post2",
        angle = 0,
        definition = "wood_post",
    },
}
