-- A row of three stars, the first ones lit: on the level tiles, the HUD and the result panel.

Stars = {
    MOST = 3,
}

-- Draws the row with `lit` stars full, centred on `centreX` with the stars' centres at `centreY`,
-- each `size` pixels, `step` apart. `sprites` names the full and the empty star (default the
-- small ones); `scaleOf(i)`, when given, scales star i (0 hides it).
function Stars.draw(lit, centreX, centreY, size, step, sprites, scaleOf)
    local full, empty = "star_full", "star_empty"
    if sprites then
        full, empty = sprites[1], sprites[2]
    end
    local left = centreX - step * (Stars.MOST - 1) / 2
    for i = 1, Stars.MOST do
        local scaled = size * (scaleOf and scaleOf(i) or 1)
        if scaled > 0 then
            res.drawSprite(i <= lit and full or empty, left + (i - 1) * step, centreY, "VCENTER", "HCENTER", scaled,
                           scaled)
        end
    end
end
