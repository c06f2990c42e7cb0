-- Level 033, "The quiet valley": eight workers from three, and no enemy. Six house
-- sites, the woods round the home and three fields.
-- Map letters: B home, h house sites, t trees, f fields, o workers.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("033")

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
  "   :.hhh.hhh......hhh...:      ",
  "    :hhh.hhh...t..hhh....:     ",
  "     :.t...............t..:    ",
  "     ::.t.....BBB...t.....:    ",
  "      :...t...BBB.o....f.t.:   ",
  "       :......BBB....f..t%%%%  ",
  "        :..t......o...f..%%%%% ",
  "        ::.......o...hhh.%%%%% ",
  "         :...t.....t.hhh::%%   ",
  "          :......t...::::      ",
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
