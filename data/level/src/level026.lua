-- Level 026, "The new village": nine workers from three. The home stands in the
-- north-western corner with a few trees and a field; a brook runs past it, and its
-- one bridge ("bridge0") lies far in the south and wants mending. Beyond it the
-- seven house sites spread over the valley, a second field lies in the south and
-- the big wood far in the east, so every walk to the work goes the long way round
-- by the bridge.
-- Map letters: B home, h house sites, t trees, f fields, o workers, x the bridge.
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
  ":::::::::::.hhh%%%%%%%         ",
  " :::::::.t..hhh.%%%%%%%        ",
  "  ::::..t.......t%%%%%%:       ",
  "  ::.tBBBo........%%.t.::      ",
  "   :t.BBBo.hhh..hhh.t..t:      ",
  "    :.BBB..hhh..hhh...t..:     ",
  "     :..o............t..t.:    ",
  "     ::t.t......hhh.t..t..:    ",
  "      :.........hhhhhht..t.:   ",
  "       :f..........hhh..t%%%%  ",
  "        :.....hhh........%%%%% ",
  "        ::....hhh...hhh..%%%%% ",
  "         :x.........hhh.::%%   ",
  "          :.....f....::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  x = { type = "cBarrier", name = "bridge0", sprite = "bridge00", layer = 4 },
})
-- The ground: the brook east of the home, crossed only by the bridge, and rocks in
-- the southern corner, clear of every walk.
local T = require("level_terrain")
T.brook(10, 0, 10, 19)
T.rocks(13, 1, 14, 2)
scene:finish()
