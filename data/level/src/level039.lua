-- Level 039, "Gravik's village": seven workers from two and 300 money, the last
-- level, where every enemy met before comes back. The home stands in the west with
-- the altar ("altar0", "spell_fast_workers"), whose quick hands the wife casts with
-- the mana to spare; a brook comes down from the northern rim east of the village
-- to the tank's lane, so the way to the eastern nuggets and the skeletons' way to the
-- village go round its southern end, and a pond lies by the altar. Each
-- source has its threat: the north-western well lies by a witch camp ("witch_camp"); the goblins of the northern camp ("goblin_camp", link
-- 39) steal from two nuggets; the eastern nuggets lie under an enemy tower
-- ("tower_enemy0") and near the skeletons' camp ("skeleton_camp"); the southern
-- nuggets lie in the lane of a tank ("tank0"). The enemy altar ("altar_enemy0")
-- south of the home charges a spell that strikes the workers one by one at 300 s,
-- after the rating time and before the limit. The skeletons come two at a time, a
-- new one every fifteen seconds, and walk on past the eastern nuggets to the home, the
-- fields and the trees by the well, so that a village nobody defends loses its gold
-- to them. The hero meets the walking enemies; the wife thaws the frozen.
-- Map letters: B home, h house sites, n nuggets, m the goblins' nuggets, t trees,
-- f fields, w well, o workers, W wife, Y hero, A altar, E enemy altar, T enemy tower,
-- Z tank, C goblin camp, K skeleton camp, X witch camp.
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
  "  :::::::::::C.%%%%%%%         ",
  ":::::::::::t..m%%%%%%%         ",
  " :::X:.AAt..n.n.%%%%%%%        ",
  "  ::::wAA..t....m%%%%%%:       ",
  "  ::......Y..hhh..%%...::      ",
  "   :.hhh.....hhh........:      ",
  "    :hhh.BBBo.....t..t..K:     ",
  "     :...BBBf...hhh..n....:    ",
  "     ::.tBBB.o..hhh..f..T.:    ",
  "      :tn...W..t......n....:   ",
  "       :..hhht..f...nf...%%%%  ",
  "        :.hhh....f.....n.%%%%% ",
  "        ::....hhh........%%%%% ",
  "         :.EE.hhh.Z...t.::%%   ",
  "          :EE.n......::::      ",
  "           :..n.n.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  W = { type = "cWife", name = "wife", sprite = "wife" },
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_fast_workers", size = { 2, 2 }, door = true },
  E = { type = "cAltarEnemy", name = "altar_enemy0", sprite = "altar00", tag = "enemy_spell_kill_workers;300",
        size = { 2, 2 } },
  T = { type = "cTower", name = "tower_enemy0", sprite = "tower_enemy00" },
  Z = { type = "cTank", name = "tank0", sprite = "tank" },
  m = function(s, x, y, i)
    return s:put({ type = "cSource", cell = { x, y }, name = "goblin_nugget" .. i, sprite = "nugget00", data = 39 })
  end,
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_money", "30;1", 39) end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "15;2") end,
  X = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "40;1") end,
})
-- The ground: the brook from the northern rim (clear of the task panel) down the
-- village's eastern edge, ending above the tank's lane, and the witches' pond by the
-- altar in the north-west.
local T = require("level_terrain")
T.brook(20, 18, 20, 14)
T.brook(19, 14, 19, 6)
T.pond(4, 14, 5, 15)
scene:finish()
