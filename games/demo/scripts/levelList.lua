-- The levels in play order: each one's file is levels/<name>.lua, and its theme groups it on the
-- level select screen. Level N unlocks once level N - 1 has at least one star.
levelList = {
    { name = "meadow_01", theme = "meadow" },
    { name = "meadow_02", theme = "meadow" },
    { name = "meadow_03", theme = "meadow" },
    { name = "meadow_04", theme = "meadow" },
    { name = "meadow_05", theme = "meadow" },
    { name = "meadow_06", theme = "meadow" },
    { name = "meadow_07", theme = "meadow" },
    { name = "meadow_08", theme = "meadow" },
    { name = "dunes_01", theme = "dunes" },
    { name = "dunes_02", theme = "dunes" },
    { name = "dunes_03", theme = "dunes" },
    { name = "dunes_04", theme = "dunes" },
    { name = "dunes_05", theme = "dunes" },
    { name = "dunes_06", theme = "dunes" },
    { name = "dunes_07", theme = "dunes" },
    { name = "dunes_08", theme = "dunes" },
}
