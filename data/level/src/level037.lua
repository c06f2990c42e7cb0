-- Level 037, "The miller's winter": 200 money and six workers from two. A brook
-- comes down from the northern rim and ends in a pond in the middle of the level;
-- the home stands in the south-west with a few nuggets of its own and three house
-- sites, and the walks to the east turn round the pond's southern shore. The mill
-- ("mill0") in the north-west stands built from the start with a seat for a
-- worker, who turns each load of food into more; its fields lie under the witch
-- camp ("witch_camp"), which sends a witch every quarter minute or so, three at
-- most, down past the mill to the home's nuggets and the sites: the hero strikes
-- them, the wife thaws the frozen, and a village that leaves them be works at a
-- crawl. Beyond the brook lie most of the nuggets and the fourth house site; an
-- enemy tower ("tower_enemy0") in the east covers the richest of them, whose
-- pickers it drives off.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, o workers,
-- E hero, W wife, M mill, T enemy tower, X witch camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("037")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::X:.%%%%%%%         ",
  ":::::::::::...f%%%%%%%         ",
  " :::::::f..hhh..%%%%%%%        ",
  "  :::......hhh...%%%%%%:       ",
  "  ::...t..MM......hhh....      ",
  "   :...f..MM.f....hhh....      ",
  "    :.t...........n.n....:     ",
  "     :......hhh...........:    ",
  "     ::.....hhh.......n.T.:    ",
  "      :....t..n.....n......:   ",
  "       :.BBBW..........n.%%%%  ",
  "        :BBBon......n.t..%%%%% ",
  "        :BBB.E...........%%%%% ",
  "         :.no.......tn.t::%%   ",
  "          ...hhh...t.::::      ",
  "           :.hhh.t:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  W = { type = "cWife", name = "wife", sprite = "wife" },
  M = { type = "cPlant", name = "mill0", sprite = "mill00", tag = "1;0", size = { 2, 2 }, door = true },
  T = { type = "cTower", name = "tower_enemy0", sprite = "tower_enemy00" },
  X = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "20;3") end,
})
-- The ground: the brook from the northern rim that parts the home's side from the
-- richest nuggets, and the pond it ends in, walked round at its southern shore;
-- under the rim the brook bends west.
local T = require("level_terrain")
T.brook(16, 10, 16, 18)
T.brook(16, 18, 14, 20)
T.brook(14, 20, 14, 21)
T.pond(16, 8, 18, 9)
scene:finish()
