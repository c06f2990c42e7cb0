-- Level 038, "The harbour light": the lighthouse ("lighthouse0", "lighthouse00") on
-- the far north-western shore and nine workers from three, with food to spare. The
-- home stands in the south-east; seven house sites, wide woods between and a
-- sawmill site take the 530 wood that all of it costs. Two bandits walk the road
-- through the middle and lock the workers they catch in the prison ("prison0");
-- the wife opens it for mana. An enemy tower ("tower_enemy0") covers the
-- north-western woods (the lighthouse stands just out of its reach), and skeletons
-- come from the eastern rim ("skeleton_camp") for the hero to meet.
-- Map letters: B home, h house sites, t trees, o workers, W wife, E hero,
-- L lighthouse, S sawmill, J prison, T enemy tower, b bandits, K skeleton camp.
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
  " :::::::..t.JJ.t%%%%%%%        ",
  "  ::::..T...JJ...%%%%%%:       ",
  "  ::.LL..t.....tb.%%...::      ",
  "   :.LLtt.thhhb...hhh...:      ",
  "    :......hhh..t.hhh....:     ",
  "     :..t.t...t.......hhh.:    ",
  "     ::....t...hhh.hhhhhh.:    ",
  "      :t.tt.t..hhh.hhh.....:   ",
  "       :..SS.t.......W..K%%%%  ",
  "        :tSS..Eto.....hhh%%%%% ",
  "        ::...t...BBBo.hhh%%%%% ",
  "         :...t.o.BBB....::%%   ",
  "          :.hhh..BBB.::::      ",
  "           :hhh...:::::        ",
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
  b = { type = "cBandit", name = { "bandit0", "bandit1" }, sprite = "bandit" },
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "35;1") end,
})
-- The bandits' loop, in walking order, across the road to the lighthouse.
for i, cell in ipairs({ { 9, 12 }, { 16, 15 }, { 17, 11 }, { 12, 10 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
scene:finish()
