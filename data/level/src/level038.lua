-- Level 038, "The harbour light": the lighthouse ("lighthouse0", "lighthouse00")
-- and nine workers from three, with food to spare. Seven house sites, wide woods
-- and a sawmill site for the 530 wood that all of it takes.
-- Map letters: B home, h house sites, t trees, f fields, o workers, L lighthouse,
-- S sawmill.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("038")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::.t.t%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::LL.hhh.hhh.%%%%%%:       ",
  "  ::..LL...tt...t.%%...::      ",
  "   :.....hhh...hhh.hhht.:      ",
  "    :hhhthhh...hhh.hhh...:     ",
  "     hhh......t...t...t...:    ",
  "     ::.....t.BBB...t..t..:    ",
  "      :...t...BBB.o.t..f.t.:   ",
  "       :....t.BBB....f..t%%%%  ",
  "        :t........o...f..%%%%% ",
  "        ::.SS.t..o...hhht%%%%% ",
  "         :.SS..t...t.hhh::%%   ",
  "          :..t...t.tt::::      ",
  "           :....t.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  L = { type = "cTunnelBuild", name = "lighthouse0", sprite = "lighthouse00", size = { 2, 2 }, door = true },
  S = { type = "cPlant", name = "sawmill0", sprite = "sawmill00", size = { 2, 2 }, door = true },
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
