-- Level 035, "The fires at night": 200 mana and seven workers from two. By day the
-- land is quiet; at nightfall the witch camps "base_enemy0" (south-east) and
-- "base_enemy1" (north-west) wake. Two bonfires ("bonfire0", "bonfire1") among the
-- houses drive the witches off while a worker tends them (a wood a second); the
-- hero strikes those that come through. Two wells give the mana.
-- Map letters: B home, h house sites, t trees, f fields, w wells, o workers,
-- E hero, F bonfires, X witch camps.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("035")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  "::X::::::::.t..%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::.t.hhh.hhht%%%%%%:       ",
  "  ::..............%%...::      ",
  "   :.hhh.hhh...t..hhh...:      ",
  "    :hhh.hhh......hhh....:     ",
  "     :.....F.E...F.....t..:    ",
  "     ::.t.....BBB...t.....:    ",
  "      :....w..BBB.o....f.t.:   ",
  "       :......BBB....f..t%%X%  ",
  "        :.w.......o...f..%%%%% ",
  "        ::...........hhht%%%%% ",
  "         :...t.....t.hhh::%%   ",
  "          :......t...::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  F = { type = "cBonfire", name = { "bonfire0", "bonfire1" }, sprite = "bonfire00" },
  X = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "witch", "30;0") end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
