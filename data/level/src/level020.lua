-- Level 020, "The gun on the hill": seven workers from two. The home stands in the
-- east with the bell ("bell0") beside it, which calls every worker away from its
-- work, a few trees and a field. A brook runs down the valley west of it; its one
-- bridge ("bridge0") lies far in the north and wants mending, and beyond it lie
-- the five house sites and most of the wood. A tank ("tank0") sits on the southern
-- rise and sweeps the low ground below it, slowly: the houses and most trees lie
-- above it, out of the barrel's reach; a tree and the home's field in its lane are
-- there for the bold ("achieve_tank" while the tank hits nobody).
-- Map letters: B home, h house sites, t trees, f fields, o workers, K tank, b bell,
-- x the bridge.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the western houses sends skeletons after the workers; the
-- hero (E) beside the home strikes them down.
local scene = require("extras").scene("020")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::.Z.hhh.hhh.%%%%%%:       ",
  "  ::..t..........x%%...::      ",
  "   :.hhh.t...t......t.t.:      ",
  "    :hhh..hhh..........E.:     ",
  "     :....hhh.hhh...BBB.o.:    ",
  "     ::..f....hhh...BBBo..:    ",
  "      :tt...........BBB..t.:   ",
  "       :.....t.....b.....%%%%  ",
  "        :.t....t.......t.%%%%% ",
  "        ::..K.....t......%%%%% ",
  "         :......t..f..t.::%%   ",
  "          :..........::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  K = { type = "cTank", name = "tank0", sprite = "tank" },
  b = { type = "cBell", name = "bell0", sprite = "bell00" },
  x = { type = "cBarrier", name = "bridge0", sprite = "bridge00", layer = 4 },
})
-- The ground: the brook west of the home, crossed only by the bridge, and rocks in
-- the southern corner, clear of every walk.
local T = require("level_terrain")
T.brook(17, 0, 17, 17)
T.brook(17, 17, 14, 20)
T.brook(14, 20, 14, 21)
T.rocks(13, 1, 14, 2)
scene:finish()
