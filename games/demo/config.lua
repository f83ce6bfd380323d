-- Start-up settings of the demo game. The data path is relative to this file's folder; the
-- other paths are relative to the data path.
name = "Tumble Demo"
width = 800
height = 600
framerate = 60
showCursor = true
renderer = { "gl2" }
datapath = "."
scriptPath = "scripts"
commonScriptPath = "common"
shaderPath = "shaders"
imagePath = "images"
fontPath = "fonts"
audioPath = "sounds"
localizationPath = "texts"
levelPath = "levels"
publisher = "Tumble"
product = "Demo"
