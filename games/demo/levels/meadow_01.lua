theme = "meadow"
filename = "meadow_01.lua"
counts = {
    birds = {
        "red","red","red",
    },
}
themeSprites = {
    {
        "cloud1","cloud",60,-420,5,1,1,0,0,
    },
    {
        "cloud2","cloud",420,-360,3,1,1,0,0,
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
        x = 18,
        y = -1.5,
        name = "post1",
        definition = "wood_post",
    },
    post2 = {
        angle = 0,
        x = 22,
        y = -1.5,
        name = "post2",
        definition = "wood_post",
    },
    beam1 = {
        angle = 0,
        x = 20,
        y = -3.5,
        name = "beam1",
        definition = "wood_beam",
    },
    target1 = {
        angle = 0,
        x = 20,
        y = -0.8,
        name = "target1",
        definition = "target",
    },
    target2 = {
        angle = 0,
        x = 20,
        y = -4.8,
        name = "target2",
        definition = "target",
    },
}
