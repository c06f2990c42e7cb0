-- Level 033, "The quiet valley": eight workers from three. The home stands low in
-- the south-west with its few trees, the well and the two fields in the east; a
-- brook runs across the valley, and its one bridge ("bridge0") lies far in the
-- east and wants mending. Beyond it lie the six house sites and most of the wood:
-- the goblins' grove (link 33) under the camp in the north ("goblin_camp") that
-- sends its thieves. Skeletons come now and then from the eastern rim by the
-- bridge ("skeleton_camp") and witches from the north-west ("witch_camp") at the
-- western houses; the hero meets them and the wife thaws the frozen with mana from
-- the well.
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- w well, o workers, Y hero, W wife, C goblin camp, K skeleton camp, X witch camp,
-- x the bridge.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("033")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     ::::::::C%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::g.g.%%%%%%%         ",
  " ::::::hhh.hhh..%%%%%%%        ",
  "  :::Xghhh.hhh.gg%%%%%%:       ",
  "  ::............hhh%..t::      ",
  "   :.ghhh...hhh.hhh.hhh.:      ",
  "    :.hhh..ghhh.....hhh.t:     ",
  "     :..........g........K:    ",
  "     ::.................x.:    ",
  "      :.....tW........g....:   ",
  "       :.t....o...w.t.f..%%%%  ",
  "        :..BBB.o.........%%%%% ",
  "        ::.BBB.o.........%%%%% ",
  "         :.BBB..Y....t..::%%   ",
  "          :........f.::::      ",
  "           :....t.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "25;2", 33) end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "30;1") end,
  X = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "30;1") end,
  W = { type = "cWife", name = "wife", sprite = "wife" },
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 33) end,
  x = { type = "cBarrier", name = "bridge0", sprite = "bridge00", layer = 4 },
})
-- The ground: the brook across the valley, crossed only by the bridge, and rocks in
-- the southern corner, clear of every walk.
local T = require("level_terrain")
T.brook(0, 10, 30, 10)
T.rocks(13, 1, 14, 2)
scene:finish()
