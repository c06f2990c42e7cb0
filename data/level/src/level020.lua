-- Level 020, "The gun on the hill": seven workers from two. A tank ("tank0") sits on
-- the western hill and sweeps the low ground south-east of it, slowly; the bell
-- ("bell0") beside the home calls every worker away from its work. Most trees and
-- all fields lie north and east, out of the barrel's reach; three trees in the
-- tank's lane are there for the bold ("achieve_tank" while the tank hits nobody).
-- Map letters: B home, h house sites, t trees, f fields, o workers, K tank, b bell.
local scene = require("extras").scene("020", "tank and bell")

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
  "  ::.t............%%...::      ",
  "   :hhh.hhh..t..t..hhh.:      ",
  "    hhh.hhh.t..t...hhh..:     ",
  "     :..K........t.t...t..:    ",
  "     ::..t....BBB.........:    ",
  "      :.t.....BBBo..f.t..:   ",
  "       :......BBB..of..f%%%%  ",
  "        :...t.b.........t%%%%% ",
  "        ::.t.........t...%%%%% ",
  "         :..t...........::%%   ",
  "          :..........::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  K = { type = "cTank", name = "tank0", sprite = "tank" },
  b = { type = "cBell", name = "bell0", sprite = "bell00" },
})
scene:finish()
