-- Level 029, "The slow thieves": 300 wood and six workers from three. A goblin camp
-- in the west sends slow goblins into the grove beside it (link 29); the woods
-- round the home are the player's, and a sawmill site stretches them.
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- o workers, S sawmill, C camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("029")

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
  "  ::....g.......tt%%...::      ",
  "   :.t...hhh..t....t....:      ",
  "    :.g.thhh...t.t...t...:     ",
  "     C.g..........t...t...:    ",
  "     ::.t...t.BBB...t..t..:    ",
  "      :g..t.E.BBB.o.t..f...:   ",
  "       :....t.BBB....fZ.t%%%%  ",
  "        :.........o...f..%%%%% ",
  "        ::.SS.t..o...hhht%%%%% ",
  "         :.SS..t...t.hhh::%%   ",
  "          :......t.t.::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "10;3") end,
  S = { type = "cPlant", name = "sawmill0", sprite = "sawmill00", size = { 2, 2 }, door = true },
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "25;2", 29) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 29) end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
