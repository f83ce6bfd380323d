-- The level's score: points for the damage the birds do, for every block broken and every
-- target popped, and for every bird left unused when the level is won; and the stars a score
-- earns by the level's limits in starTable (scripts/starLimits.lua). The global "score" always
-- holds the level's score.

Play = Play or {}
local Score = {}
Play.Score = Score

Score.POINTS_PER_DAMAGE = 10
Score.POINTS_PER_BLOCK = 500
Score.POINTS_PER_TARGET = 5000
Score.POINTS_PER_UNUSED_BIRD = 10000

function Score.reset()
    score = 0
end

function Score.add(points)
    score = score + math.floor(points)
end

-- The stars (0 to 3) that `points` earn in the level `name`.
function Score.stars(name, points)
    local limits = starTable and starTable[name]
    local stars = 0
    -- Each star needs the ones before it.
    while limits and stars < 3 and limits[stars + 1] and points >= limits[stars + 1] do
        stars = stars + 1
    end
    return stars
end
