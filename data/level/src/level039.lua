-- Level 039, "Gravik's village": seven workers from two and 300 money. With mana
-- to spare, the wife can cast the altar's quick-hands spell ("altar0",
-- "spell_fast_workers") to hurry the work.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, o workers,
-- W wife, A altar.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("039")

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
  "  ::............n.%%...::      ",
  "   :.hhht.AA.hhh..hhh...:      ",
  "    :hhh..AA.hhh..hhh.n..:     ",
  "     :......W....t........:    ",
  "     ::.t.....BBB...n.....:    ",
  "      :.......BBB.o....f.t.:   ",
  "       :......BBB....f..n%%%%  ",
  "        :..t......o...f..%%%%% ",
  "        ::...........hhht%%%%% ",
  "         :..n......t.hhh::%%   ",
  "          :......t...::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  W = { type = "cWife", name = "wife", sprite = "wife" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_fast_workers", size = { 2, 2 }, door = true },
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
