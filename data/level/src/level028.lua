-- Level 028, "The witches' winter": 300 wood and 300 money with food to spare. Four
-- witch camps ("base_enemy0".."base_enemy3") sit in the far corners, quiet by day;
-- each nightfall wakes two of them. A succubus camp of its own calls by day. The
-- hero strikes the witches, the bonfire ("bonfire0") by the home drives them off
-- while it burns, and the altar ("altar0") casts them all away for mana from the
-- wells.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, w wells,
-- o workers, E hero, W wife, A altar, F bonfire, X witch camps, S succubus camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("028")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%X%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  "::X::::::::.t..%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::.t.hhh.hhht%%%%%%:       ",
  "  ::..............%%...::      ",
  "   :..t...AA.....t.t....:      ",
  "    :.....AA.E...t....t..:     ",
  "     :.t....W.....n.......:    ",
  "     ::.......BBB...n.n...:    ",
  "      :..t.w..BBB.o.....t..:   ",
  "       :......BBB....f.n.%%X%  ",
  "        :.w.F.....o...f..%%%%% ",
  "        ::.......o..n...t%%%%% ",
  "         :.........t....::%%   ",
  "          :..t..t....S:::      ",
  "           :t..t.t:::::        ",
  "           :..X:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  W = { type = "cWife", name = "wife", sprite = "wife" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_kill_enemies", size = { 2, 2 }, door = true },
  F = { type = "cBonfire", name = "bonfire0", sprite = "bonfire00" },
  X = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "witch", "30;0") end,
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "45;1") end,
})
scene:finish()
