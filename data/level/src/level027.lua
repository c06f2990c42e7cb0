-- Level 027, "The long night": 300 food, 200 mana and seven workers from two under
-- a night without end. The home stands east of the middle with its three fields,
-- the five house sites round it. A lake under the north-western woods feeds a brook
-- that winds south into a pond; beyond it lie the two wells, reached over its one
-- bridge ("bridge0", mended for 80 wood) or the long way round the pond. A rock
-- ridge runs down the eastern rim, and fallen logs ("log00", 50 food each, 40 wood
-- back; the last one cleared gives "achieve_wood_barrier") lie in its three gaps.
-- The goblin camps "base_enemy0" (south) and "base_enemy1" (west, below the wells)
-- wake at 50 s and 100 s and steal only from the groves beside them (link 27).
-- Map letters: B home, h house sites, t trees, g the goblins' groves, f fields,
-- w wells, x logs, y the bridge, o workers, C camps.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) under the north-eastern rim sends skeletons down to the
-- fields; the hero (E) by the home strikes them down.
local scene = require("extras").scene("027")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  :::::::::hhht%%%%%%%         ",
  ":::::::::::hhh.%%%%%%%         ",
  " :::::::..t.....%%%%%%%        ",
  "  ::::.........t.%%%%%Z:       ",
  "  ::.......hhh...t%%.hhh:      ",
  "   :.......hhh.t.....hhh:      ",
  "    :.w...........BBB...x:     ",
  "     :......t...t.BBBo....:    ",
  "     ::....y......BBB...x.:    ",
  "      :.w......hhhtE.of....:   ",
  "       :.......hhh.f....x%%%%  ",
  "        :................%%%%% ",
  "        ::....t.........g%%%%% ",
  "         :C.....thhhgf..::%%   ",
  "          :.g.g..hhh..::::     ",
  "           :......:::C:        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  x = function(s, x, y, i) s:put({ type = "cBarrier", cell = { x, y }, name = "log" .. i, sprite = "log00" }) end,
  y = { type = "cBarrier", name = "bridge0", sprite = "bridge00", layer = 4 },
  C = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "goblin_wood", "40;1", 27) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 27) end,
})
local T = require("level_terrain")
-- The lake under the north-western woods, the brook out of it crossed by the
-- bridge, and the pond it ends in, walked round in the south.
T.pond(4, 15, 7, 17)
T.brook(8, 14, 8, 11)
T.brook(8, 11, 11, 11)
T.brook(11, 11, 11, 10)
T.pond(10, 8, 11, 9)
-- The ridge down the eastern rim, whose gaps the logs fill.
T.wall(24, 8, 24, 14)
scene:finish()
