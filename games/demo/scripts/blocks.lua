-- Block materials: colour (components 0 to 1) and how many hits a block takes.
materials = {
    wood = { r = 0.72, g = 0.50, b = 0.26, strength = 2 },
    stone = { r = 0.55, g = 0.57, b = 0.60, strength = 4 },
    ice = { r = 0.68, g = 0.88, b = 0.98, strength = 1 },
}

-- The demo's tower, bottom row first: material, column offset and width in blocks.
tower = {
    { "stone", 0, 3 },
    { "wood", 0, 1 }, { "wood", 2, 1 },
    { "ice", 0, 3 },
    { "wood", 1, 1 },
}
