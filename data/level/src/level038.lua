-- Level 038, "The harbour light": the lighthouse ("lighthouse0", "lighthouse00") on
-- the far north-western shore and nine workers from three, with food to spare. The
-- home stands in the south-east among trees; seven house sites, the woods between
-- and a sawmill site take the 530 wood that all of it costs. A bandit walks a loop
-- round the prison ("prison0") north of the road, through the northern trees, and
-- locks the workers he catches there; the wife opens it for mana. An enemy tower
-- ("tower_enemy0") covers the north-western woods (the lighthouse stands just out of
-- its reach), and skeletons come from the eastern rim ("skeleton_camp"), by the
-- home's eastern trees, for the hero to meet.
-- Map letters: B home, h house sites, t trees, o workers, W wife, E hero,
-- L lighthouse, S sawmill, J prison, T enemy tower, b bandit, K skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("038")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::.t.t%%%%%%%         ",
  " :::::::Ttt.JJ.t%%%%%%%        ",
  "  :::..t....JJ...%%%%%%:       ",
  "  ::.LL.tt........%%...::      ",
  "   :.LLt...hhhb...hhh...:      ",
  "    .....t.hhh..t.hhh....:     ",
  "     :....t...t.......hhh.:    ",
  "     :......t..hhh.hhhhhh.:    ",
  "      :...t....hhh.hhh.....:   ",
  "       :..SStt....tt.W..K%%%%  ",
  "        :tSSt.Eto...t.hhh%%%%% ",
  "        ::...t..tBBB..hhh%%%%% ",
  "         .t..tto.BBBott.::%%   ",
  "          :thhh..BBB.::::      ",
  "           :hhhtt.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  W = { type = "cWife", name = "wife", sprite = "wife" },
  E = { type = "cHero", name = "hero", sprite = "hero" },
  L = { type = "cTunnelBuild", name = "lighthouse0", sprite = "lighthouse00", size = { 2, 2 }, door = true },
  S = { type = "cPlant", name = "sawmill0", sprite = "sawmill00", size = { 2, 2 }, door = true },
  J = { type = "cPrison", name = "prison0", sprite = "", size = { 2, 2 }, door = true },
  T = { type = "cTower", name = "tower_enemy0", sprite = "tower_enemy00" },
  b = { type = "cBandit", name = "bandit0", sprite = "bandit" },
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "35;1") end,
})
-- The bandit's loop, in walking order, round the prison and clear of the road.
for i, cell in ipairs({ { 10, 14 }, { 11, 16 }, { 16, 15 }, { 16, 13 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
scene:finish()
