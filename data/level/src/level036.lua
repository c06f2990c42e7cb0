-- Level 036, "The charmer": six workers from two and 200 money. A succubus camp in
-- the south-east sends a charmer after the workers; the wife casts the altar's
-- spell ("altar0", "spell_kill_enemies", 70 mana) to send every charmer away, with
-- mana from the well.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, w well,
-- o workers, W wife, A altar, S succubus camp.
local scene = require("extras").scene("036", "succubus, altar")

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
  "    :hhh..AA......hhh....:     ",
  "     :.......W.........n..:    ",
  "     ::.t.....BBB...n.....:    ",
  "      :....w..BBB.o....f.t.:   ",
  "       :......BBB....f..n%%S%  ",
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
  A = { type = "cAltar", name = "altar0", sprite = "spell_kill_enemies", size = { 2, 2 }, door = true },
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "25;1") end,
})
scene:finish()
