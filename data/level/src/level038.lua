-- Level 038, "The harbour light": the lighthouse ("lighthouse0", "lighthouse00") on
-- the far north-western shore, where the sea runs along the rim, and nine workers
-- from three, with food to spare. The home stands in the south-east among trees;
-- six house sites, the woods between and a sawmill site take the 530 wood that all
-- of it costs, and the trees stand spaced so none hides another. A rock ridge runs
-- north from near the southern rim between the home and the sawmill. A bandit walks a loop
-- round the prison ("prison0") north of the road, through the northern trees, and
-- locks the workers he catches there; the wife opens it for mana. An enemy tower
-- ("tower_enemy0") covers the north-western woods (the lighthouse stands just out of
-- its reach), and skeletons come from the eastern rim ("skeleton_camp"), by the
-- home's eastern trees, for the hero to meet: up to three at once, a new one every
-- twelve seconds, so that they reach the sites, the sawmill and the lighthouse, and
-- a village nobody defends spends much of its time running from them.
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
  ":::::::::::.t..%%%%%%%         ",
  " :::::::Ttt.JJ.t%%%%%%%        ",
  "  :::.......JJ...%%%%%%:       ",
  "  ::.LL.tt.....t.t%%.t.::      ",
  "   :.LL.t...t.b...hhh.t.:      ",
  "    .......t....t.hhh....:     ",
  "     :....t...t.......hhh.:    ",
  "     :.t.t..t..hhh.hhhhhh.:    ",
  "      :...t....hhh.hhh....t:   ",
  "       :t.SS.t.......W..K%%%%  ",
  "        :.SS.tE.o..tt.hhh%%%%% ",
  "        ::......tBBB..hhh%%%%% ",
  "         .....t..BBBot..::%%   ",
  "          :thhh..BBB.o:::      ",
  "           :hhh.t.:::::        ",
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
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "12;3") end,
  -- Each tree's kind follows its cell, so moving one tree leaves the others as they are.
  t = function(s, x, y, i)
    local kinds = { "tree00_0", "tree00_1", "tree00_2", "tree00_3", "tree01_0", "tree01_1", "tree01_2" }
    return s:put({ type = "cSource", cell = { x, y }, name = "tree" .. i, sprite = kinds[(x * 3 + y * 5) % #kinds + 1] })
  end,
})
-- The ground: the sea along the western rim behind the lighthouse's shore, clear of
-- the top bar, and a rock ridge west of the home, from near the southern rim: the way
-- to the sawmill and the south-western house sites goes round one of its ends.
local T = require("level_terrain")
T.pond(2, 13, 3, 16)
T.wall(15, 3, 15, 7)
-- The bandit's loop, in walking order, round the prison and clear of the road.
for i, cell in ipairs({ { 10, 14 }, { 11, 16 }, { 16, 15 }, { 16, 13 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
scene:finish()
