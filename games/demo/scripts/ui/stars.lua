-- A row of three stars, the first ones lit: on the level tiles, the HUD and the result panel.

Stars = {
    MOST = 3,
}

-- Draws the row with `lit` stars full, centred on `centreX` with the stars' centres at `centreY`,
-- each `size` pixels, `step` apart. `sprites` names the full and the empty star (default the
-- small ones); `scaleOf(i)`, when given, scales the full star i.
function Stars.draw(lit, centreX, centreY, size, step, sprites, scaleOf)
    local full, empty = "star_full", "star_empty"
    if sprites then
        full, empty = sprites[1], sprites[2]
    end
    local left = centreX - step * (Stars.MOST - 1) / 2
    for i = 1, Stars.MOST do
        local scaled = i <= lit and scaleOf and size * scaleOf(i) or size
        res.drawSprite(i <= lit and full or empty, left + (i - 1) * step, centreY, "VCENTER", "HCENTER", scaled, scaled)
    end
end
