-- Level 022, "The ice castle": the castle ("castle_ice") is paid off coin by coin,
-- 400 money in all, by five workers with food to spare. The gold lies in seven
-- nuggets east of the home. Two goblin camps ("base_enemy0" in the south,
-- "base_enemy1" in the west) wake at nightfall and steal only from the groves
-- beside them (link 22).
-- Map letters: B home, h house sites, n nuggets, t trees, g the goblins' groves,
-- f fields, o workers, I ice castle, C camps.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("022")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::........%%%%%%%        ",
  "  ::::...IIII....%%%%%%:       ",
  "  ::.....IIII.....%%...::      ",
  "   :.hhh.IIII......hhh..:      ",
  "    :hhh.....t..t..hhh...:     ",
  "     C............t.......:    ",
  "     ::..g.t..BBBo....n...:    ",
  "      :gf...E.BBB.o.n...n..:   ",
  "       :......BBB..o...n.%%%%  ",
  "        :f........o..nZ..%%%%% ",
  "        ::.......o..n....%%%%% ",
  "         :..t.........n.::%%   ",
  "          :....t.....::::      ",
  "           :.g..g.:::::        ",
  "           :..C:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  I = { type = "cTunnelBuild", name = "castle_ice", sprite = "castle_ice", size = { 4, 3 }, door = true },
  C = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "goblin_wood", "30;1", 22) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 22) end,
})
-- The ground: a pond under the northern woods and a rock by the south-eastern edge, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(19, 3, 20, 4)
scene:finish()
