-- Level 032, "The dark altar": six workers from two, 400 mana and 200 wood. The
-- enemy altar ("altar_enemy0") stands south of the home behind a rock ridge and
-- silences one of the player's towers each minute; built, the two towers shoot at
-- the goblins that come within reach. The goblins of the three camps
-- ("base_enemy0".."base_enemy2": south, east and north-west) wake at nightfall and
-- steal only from the groves beside them (link 32). The three wells that give the
-- mana lie out west by a pond round the skeleton camp ("skeleton_camp"), whose
-- skeletons chase the drawers off; the hero by the home strikes them down.
-- Map letters: B home, h house sites, n nugget, t trees, g the goblins' groves,
-- f fields, w wells, o workers, E enemy altar, T tower sites, C camps, Y hero,
-- K skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("032")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::t%%%%%%%         ",
  ":::::::::::t.t.%%%%%%%         ",
  " ::::C::........%%%%%%%        ",
  "  ::::g..w.BBBt.T%%%%%%:       ",
  "  ::g......BBB....%%t.hhh      ",
  "   :.......BBB.ot..t..hhh      ",
  "    :.......t.o..hhhhhh..:     ",
  "     :.....tfY.t.hhhhhhg..:    ",
  "     K:...w..............C:    ",
  "      :.wt......EE...f..g..:   ",
  "       :..hhht..EET.t....%%%%  ",
  "        :.hhh...........t%%%%% ",
  "        ::.....t..t..n...%%%%% ",
  "         :..f...........::%%   ",
  "          :t.......t..::::     ",
  "           :....Cg:::::        ",
  "           :..g:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cAltarEnemy", name = "altar_enemy0", sprite = "altar00", tag = "enemy_spell_kill_towers;60",
        size = { 2, 2 } },
  T = { type = "cTower", name = { "tower0", "tower1" }, sprite = "tower00" },
  C = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "goblin_wood", "30;1", 32) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 32) end,
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "15;3") end,
})
local T = require("level_terrain")
-- The rock ridge west of the enemy altar, walked round at both ends, and the pond
-- by the western wells.
T.wall(14, 5, 14, 11)
T.pond(5, 12, 8, 14)
scene:finish()
