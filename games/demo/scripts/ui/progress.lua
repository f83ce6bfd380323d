-- The player's progress, kept in the saved settings: for each level played to a win its best
-- score and most stars (settings.progress[name] = { highscore = S, stars = K }). Level 1 is
-- always open; each later level opens once the one before it has at least one star.

Progress = {}

-- A whole number from `value` within [0, most], or 0 for anything that is not a finite number
-- (a damaged or hand-edited save).
local function count(value, most)
    if type(value) ~= "number" or not (value > -math.huge and value < math.huge) then
        return 0
    end
    return math.max(0, math.min(most, math.floor(value)))
end

-- The record of the level `name`: { highscore, stars }, both 0 for a level never won.
function Progress.of(name)
    local saved = type(settings.progress) == "table" and settings.progress[name]
    if type(saved) ~= "table" then
        return { highscore = 0, stars = 0 }
    end
    return { highscore = count(saved.highscore, math.huge), stars = count(saved.stars, Stars.MOST) }
end

-- Whether level `number` (1-based, in levelList's order) may be played.
function Progress.isUnlocked(number)
    if number == 1 then
        return true
    end
    local before = levelList[number - 1]
    return before ~= nil and Progress.of(before.name).stars >= 1
end

-- The stars of every level together, and the most there are.
function Progress.totalStars()
    local total = 0
    for _, level in ipairs(levelList) do
        total = total + Progress.of(level.name).stars
    end
    return total, Stars.MOST * #levelList
end

-- Records the end of a level (Play's result: number, name, won, score, stars), keeping the best
-- score and the most stars separately, and saves at once. Only a win counts. Answers whether
-- the score beat the level's earlier best.
function Progress.record(result)
    if not result.won then
        return false
    end
    local best = Progress.of(result.name)
    local score = count(result.score, math.huge)
    if type(settings.progress) ~= "table" then
        settings.progress = {}
    end
    settings.progress[result.name] = {
        highscore = math.max(best.highscore, score),
        stars = math.max(best.stars, count(result.stars, Stars.MOST)),
    }
    Preferences.save()
    return score > best.highscore
end
