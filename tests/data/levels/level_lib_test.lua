-- The level library's placement: one route point on every cell of the game grid
-- whose centre lies in the level area, named "cell_X_Y" after the cell it was
-- placed on, so a test can ask the level screen which cell each one stands on.
-- Compile: level_tool compile tests/data/levels/level_lib_test.lua tests/data/levels/level_lib_test.lvl
local L = require("level_lib")

L.begin("level_lib_test")
for x = 0, L.WIDTH - 1 do
  for y = 0, L.HEIGHT - 1 do
    if L.inside(x, y) then L.place({ type = "cNode", name = "cell_" .. x .. "_" .. y }, x, y) end
  end
end
L.finish()
