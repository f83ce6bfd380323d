-- Scores each level needs for one, two and three stars, by the level's name. One star comes
-- with any win (every target is worth 5000); two with the score of the level's solution replay;
-- three asks for more: a bird saved (10000 each) where the solution spent them all, else more
-- of the structure brought down.
meadow_01 = { 10000, 30000, 32000 }
meadow_02 = { 10000, 32000, 34000 }
meadow_03 = { 15000, 38000, 40000 }
meadow_04 = { 20000, 44000, 46000 }
meadow_05 = { 10000, 32000, 34000 }
meadow_06 = { 10000, 34000, 36000 }
meadow_07 = { 20000, 54000, 56000 }
meadow_08 = { 25000, 63000, 65000 }
dunes_01 = { 15000, 27000, 29000 }
dunes_02 = { 25000, 43000, 45000 }
dunes_03 = { 10000, 34000, 36000 }
dunes_04 = { 20000, 33000, 35000 }
dunes_05 = { 20000, 54000, 56000 }
dunes_06 = { 20000, 46000, 48000 }
dunes_07 = { 15000, 38000, 40000 }
dunes_08 = { 25000, 41000, 43000 }
