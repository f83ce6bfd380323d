-- Scores each level needs for one, two and three stars, by the level's file name.
demo = { 1000, 2500, 5000 }
portals = { 1000, 2500, 5000 }
water = { 1000, 2500, 4000 }
