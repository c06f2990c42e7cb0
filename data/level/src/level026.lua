-- Level 026, "The new village": nine workers from three. Seven house sites stand
-- round the home, six of them in rows to the north; the woods lie all about and
-- the fields to the east.
-- Map letters: B home, h house sites, t trees, f fields, o workers.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("026")

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
  "  ::.tt..........t%%...::      ",
  "   :.hhh.hhh.hhh..hhh.t.:      ",
  "    :hhh.hhh.hhh..hhh....:     ",
  "     :.................t..:    ",
  "     ::.......BBB.........:    ",
  "      :...t...BBB.o....f.t.:   ",
  "       :......BBB....f..t%%%%  ",
  "        :..t......o...f..%%%%% ",
  "        ::.......o...hhh.%%%%% ",
  "         :...t.....t.hhh::%%   ",
  "          :....t..t..::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
