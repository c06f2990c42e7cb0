-- Level 020, "The gun on the hill": seven workers from two. A tank ("tank0") sits on
-- the southern rise and sweeps the low ground below it, slowly; the bell ("bell0")
-- beside the home calls every worker away from its work. The houses, the fields and
-- most trees lie above the tank, out of the barrel's reach; three trees in its lane
-- are there for the bold ("achieve_tank" while the tank hits nobody).
-- Map letters: B home, h house sites, t trees, f fields, o workers, K tank, b bell.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("020")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::t...%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::...hhh.hhh.%%%%%%:       ",
  "  ::.t...........t%%...::      ",
  "   :hhh.hhh..t.....hhh.:      ",
  "    hhh.hhh.t..t...hhh..:     ",
  "     :...........t.t...t..:    ",
  "     ::..t....BBB.........:    ",
  "      :.t...E.BBBo..f.t..:   ",
  "       :......BBB..of..f%%%%  ",
  "        :...t.b.......Z.t%%%%% ",
  "        ::..K........t...%%%%% ",
  "         :.......t...t..::%%   ",
  "          :....t.t...::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  K = { type = "cTank", name = "tank0", sprite = "tank" },
  b = { type = "cBell", name = "bell0", sprite = "bell00" },
})
-- The ground: rocks in the southern corner and a rock by the south-eastern edge, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
T.rocks(19, 3, 20, 4)
scene:finish()
