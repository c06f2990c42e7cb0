-- Level 030, "The key altar": the ruins ("key_altar0", "ruins00") stand a short walk
-- east of the home and are rebuilt food by food, 500 in all, by four workers. The
-- fields lie round the home and the ruins, a mill site ("mill0") east of the ruins,
-- and a lake fills the south-east. A rock ridge runs along the southern meadow from
-- the western rim to the lake's shore, where two fast bandits walk a loop; they come
-- up round its eastern end, and so does a woodcutter on his way to the meadow's tree. Skeletons come two at a time from the eastern rim ("skeleton_camp")
-- straight at the ruins' door, where the workers stand paying; the hero meets them.
-- Map letters: B home, h house sites, t trees, f fields, o workers, Y hero, R ruins,
-- M mill, b bandits, K skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("030")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::..t.%%%%%%%         ",
  " :::::hhh.....f.%%%%%%%        ",
  "  ::::hhh..f.....%%%%%%:       ",
  "  ::..............%%.t.::      ",
  "   :.t...BBBo.RRRRMM....:      ",
  "    :.ft.BBBooRRRRMM.f...K     ",
  "     :...BBB..RRRR........:    ",
  "     ::.hhh.oY....f.f...f.:    ",
  "      :.hhh.f..f...........:   ",
  "       :.........t.......%%%%  ",
  "        :................%%%%% ",
  "        ::...............%%%%% ",
  "         :..b...........::%%   ",
  "          :.....b.....::::     ",
  "           :....t.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  R = { type = "cTunnelBuild", name = "key_altar0", sprite = "ruins00", size = { 4, 3 }, door = true },
  M = { type = "cPlant", name = "mill0", sprite = "mill00", size = { 2, 2 }, door = true },
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "30;2") end,
  b = { type = "cBandit", name = { "bandit0", "bandit1" }, sprite = "bandit" },
})
-- The bandits' loop, in walking order.
for i, cell in ipairs({ { 11, 5 }, { 14, 3 }, { 18, 5 }, { 15, 6 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
local T = require("level_terrain")
-- The ridge along the southern meadow, open only between its eastern end and the
-- lake, and the eastern lake.
T.wall(8, 7, 18, 7)
T.pond(21, 5, 25, 8)
scene:finish()
