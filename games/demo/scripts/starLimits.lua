-- Scores a level needs for one, two and three stars.
demo = { 1000, 2500, 5000 }
