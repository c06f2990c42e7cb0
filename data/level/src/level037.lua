-- Level 037, "The miller's winter": 200 money and six workers from two. The mill
-- ("mill0") stands built from the start with a seat for a worker, who turns each
-- load of food into more. A witch camp in the south-east sends a witch now and
-- then; the hero strikes her.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, o workers,
-- E hero, M mill, X witch camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("037")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::.t..%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::.t.hhh.hhht%%%%%%:       ",
  "  ::..............%%...::      ",
  "   :.hhht.MM...t..hhh...:      ",
  "    :hhh..MM......hhh....:     ",
  "     :.......E.........n..:    ",
  "     ::.t.....BBB...n.....:    ",
  "      :.......BBB.o....f.t.:   ",
  "       :......BBB....f..n%%X%  ",
  "        :..t......o...f..%%%%% ",
  "        ::...........hhht%%%%% ",
  "         :..n......t.hhh::%%   ",
  "          :......t...::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  M = { type = "cPlant", name = "mill0", sprite = "mill00", tag = "1;0", size = { 2, 2 }, door = true },
  X = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "40;1") end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
