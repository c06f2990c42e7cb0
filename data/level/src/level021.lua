-- Level 021, "The lighthouse at the ford": the lighthouse ("lighthouse0", 250 wood)
-- and eight workers from three. Two goblin camps ("base_enemy0" in the south,
-- "base_enemy1" in the west) wake at nightfall; each steals only from the small
-- grove beside it (link 21), so the woods round the home stay the player's. A
-- sawmill site stretches the wood.
-- Map letters: B home, h house sites, t trees, g the goblins' groves, f fields,
-- o workers, L lighthouse, S sawmill, C camps.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("021")

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
  "  ::::LL.hhh.hhh.%%%%%%:       ",
  "  ::..LL....t...tt%%...::      ",
  "   :.....hhh...hhh.hhht.:      ",
  "    :.g..hhh...hhh.hhh.t.:     ",
  "     C.g..........t...t...:    ",
  "     ::.t.....BBB...t..t..:    ",
  "      :g..t.E.BBB.o.t..f...:   ",
  "       :....t.BBB....fZ.t%%%%  ",
  "        :.........o...f..%%%%% ",
  "        ::.SS.t..o...hhht%%%%% ",
  "         :.SS..t...t.hhh::%%   ",
  "          :......t.t.::::      ",
  "           :...gg.:::::        ",
  "           :..C:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  L = { type = "cTunnelBuild", name = "lighthouse0", sprite = "lighthouse00", size = { 2, 2 }, door = true },
  S = { type = "cPlant", name = "sawmill0", sprite = "sawmill00", size = { 2, 2 }, door = true },
  C = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "goblin_wood", "30;1", 21) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 21) end,
})
scene:finish()
