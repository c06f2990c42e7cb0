-- Level 031, "The beacon": the lighthouse ("lighthouse0", "lighthouse00") alone,
-- 250 wood paid off log by log, on the eastern shore of a lake in the western
-- woods, north-west of the home in the south-east. The skeleton camp
-- ("skeleton_camp") beyond the lake sends its skeletons round the water after the
-- woodcutters: the hero by the fields strikes them down. The grove by the home
-- (link 31) draws the goblins of the eastern camp ("goblin_camp"), who steal only
-- from it; the hero beats them off too. Three fields by the home's door pay for
-- the axes.
-- Map letters: B home, t trees, g the goblins' grove, f fields, o workers, E hero,
-- L lighthouse, C goblin camp, K skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("031")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::t%%%%%%%         ",
  ":::::::::::t...%%%%%%%         ",
  " :::::::........%%%%%%%        ",
  "  ::::..t.....t.t%%%%%%:       ",
  "  ::t.............%%t..::      ",
  "   :...t.....t....g.....:      ",
  "    :K..........t...g.g.t:     ",
  "     :t.......LL..t.......:    ",
  "     ::......tLL....g.g...:    ",
  "      :...........t......t.:   ",
  "       :.........o...t...%%%%  ",
  "        :......to.BBBo..t%%%%% ",
  "        ::........BBBt...C%%%% ",
  "         :.....t.tBBB..f::%%   ",
  "          :t...E.f.f..::::     ",
  "           :..t.t.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  L = { type = "cTunnelBuild", name = "lighthouse0", sprite = "lighthouse00", size = { 2, 2 }, door = true },
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "25;2", 31) end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 31) end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
})
local T = require("level_terrain")
-- The lake west of the lighthouse, with its inlet from the northern woods; the
-- skeletons from beyond it walk round the water.
T.pond(8, 9, 11, 12)
T.brook(9, 13, 9, 17)
scene:finish()
