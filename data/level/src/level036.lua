-- Level 036, "The charmer": six workers from three and 200 money. A succubus camp in
-- the south-east sends a charmer after the workers; the wife casts the altar's
-- spell ("altar0", "spell_kill_enemies", 70 mana) to send every charmer away, with
-- mana from the well.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, w well,
-- o workers, W wife, A altar, S succubus camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("036")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")

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
  "   :.hhht.AA...t..hhh...:      ",
  "    :hhh..AA......hhh.n..:     ",
  "     :.......W.........n..:    ",
  "     ::.t.....BBB...n...n.:    ",
  "      :....w..BBB.o....f...:   ",
  "       :......BBB....f..n%%S%  ",
  "        :..t......o...f..%%%%% ",
  "        ::.......o...hhh.%%%%% ",
  "         :..n......t.hhh::%%   ",
  "          :......t...::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  W = { type = "cWife", name = "wife", sprite = "wife" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_kill_enemies", size = { 2, 2 }, door = true },
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "25;1") end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
