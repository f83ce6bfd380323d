-- Scores a level needs for one, two and three stars.
demo = { 3000, 6000, 9000 }
