-- Level 035, "The fires at night": 200 mana and seven workers from two. A brook
-- comes down from the northern rim and parts the level: the home stands on its
-- western bank with three house sites, and the two wells lie south of it, where
-- the brook ends and the walks to the east turn round; beyond it lie three more
-- house sites, the fields and the grove. The witch camp "base_enemy0" waits in
-- the south-west by the wells and "base_enemy1" in the north-west looks down on
-- the western houses. By day the goblins of the eastern camp ("goblin_camp")
-- steal from the grove (link 35), a witch camp by day ("witch_camp") sends its
-- witches at the well drawers, and the skeletons of the north-eastern camp
-- ("skeleton_camp") chase the workers at the eastern houses; at nightfall the
-- two witch camps wake. Two bonfires ("bonfire0" among the western houses,
-- "bonfire1" between the wells) drive the witches off while a worker tends them
-- (a wood a second); the hero strikes those that come through and the wife thaws
-- the frozen.
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- w wells, o workers, E hero, W wife, F bonfires, X witch camps, C goblin camp,
-- K the day's witch camp, Z skeleton camp.
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
  ":::::::::::t...%%%%%%%         ",
  " ::::::hhh......%%%%%%%        ",
  "  :::X.hhhhhh......%%%Z:       ",
  "  ::......hhh...hhh%...::      ",
  "   :..t.BBB.E...hhhhhh..:      ",
  "    :..WBBBoF......hhh..g:     ",
  "     :..BBB.o.....t........    ",
  "     ::..........hhht..g.g:    ",
  "      :..t.......hhh.......C   ",
  "       :.............g..g.%%%  ",
  "        :..hhh...........%%%%% ",
  "        ::.hhh...f....g.t%%%%% ",
  "         :......w....f..::%%   ",
  "          :K.w.F.f...::.:      ",
  "           :.X....:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  W = { type = "cWife", name = "wife", sprite = "wife" },
  F = { type = "cBonfire", name = { "bonfire1", "bonfire0" }, sprite = "bonfire00" },
  X = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "witch", "30;0") end,
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "30;1", 35) end,
  K = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "25;2") end,
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "25;1") end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 35) end,
})
-- The ground: the brook from the northern rim that parts the home's side from the
-- grove and the eastern houses, walked round at its southern end by the wells.
local T = require("level_terrain")
T.brook(14, 20, 14, 8)
scene:finish()
