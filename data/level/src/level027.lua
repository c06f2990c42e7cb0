-- Level 027, "The long night": 300 food, 200 mana and seven workers from two under
-- a night without end. Two wells stand by the home; fallen logs ("log00", 50 food
-- each, 40 wood back) lie among the houses (the last one cleared gives
-- "achieve_wood_barrier"). The goblin camps "base_enemy0" (south) and "base_enemy1"
-- (west) wake at 50 s and 100 s and steal only from the groves beside them
-- (link 27).
-- Map letters: B home, h house sites, t trees, g the goblins' groves, f fields,
-- w wells, x logs, o workers, C camps.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("027")

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
  "  ::........x.....%%...::      ",
  "   :.hhh.hhh......hhh..t:      ",
  "    :hhhghhh....x.hhh....:     ",
  "     C................xt..:    ",
  "     ::.......BBB.........:    ",
  "      :g..t.E.BBB.o....f.t.:   ",
  "       :......BBB....fZ..%%%%  ",
  "        :.........o...f..%%%%% ",
  "        ::.w.........hhht%%%%% ",
  "         :.........t.hhh::%%   ",
  "          :.w....t...::::      ",
  "           :.g..g.:::::        ",
  "           :..C:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  x = function(s, x, y, i) s:put({ type = "cBarrier", cell = { x, y }, name = "log" .. i, sprite = "log00" }) end,
  C = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "goblin_wood", "40;1", 27) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 27) end,
})
scene:finish()
