-- Level 029, "The slow thieves": 300 wood and six workers from three. A brook comes
-- down from the northern woods and winds south-west into a pond; the western wood
-- lies beyond it, reached over its one bridge ("bridge0") or the long way round the
-- pond along the southern edge. The home stands in the eastern valley with the
-- fields, three house sites and a sawmill site that stretches the wood; the fourth
-- house site lies in the western wood. A goblin camp there sends slow goblins into
-- the grove beside it (link 29).
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- o workers, S sawmill, C camp, y the bridge.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) beyond the bridge sends skeletons after the woodcutters; the
-- hero (E) by the home strikes them down.
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
  " ::::......t....%%%%%%%        ",
  "  :C:hhht.t......%%%%%%:       ",
  "  ::.hhh.........t%%.hhh:      ",
  "   :.g...g...ty......hhh:      ",
  "    :......gZ....t.BBB.o.:     ",
  "     :t......t...f.BBBo...:    ",
  "     ::.g........E.BBB.hhh:    ",
  "      :...t.t......hhhohhh.:   ",
  "       :......t....hhht..%%%%  ",
  "        :t........SS....f%%%%% ",
  "        ::..t.t...SS.....%%%%% ",
  "         :..........f.t.::%%   ",
  "          :t......t...::::     ",
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
  y = { type = "cBarrier", name = "bridge0", sprite = "bridge00", layer = 4 },
})
local T = require("level_terrain")
-- The brook from the northern woods winding south-west into the pond, crossed at the
-- bridge or walked round the pond along the southern edge.
T.brook(13, 20, 13, 15)
T.brook(13, 15, 14, 15)
T.brook(14, 15, 14, 10)
T.brook(14, 10, 15, 10)
T.brook(15, 10, 15, 6)
T.pond(13, 3, 15, 5)
scene:finish()
