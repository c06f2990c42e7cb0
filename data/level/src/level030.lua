-- Level 030, "The key altar": the ruins ("key_altar0", "ruins00") are rebuilt food
-- by food, 500 in all. Three fields and a mill site ("mill0") give the food; two
-- fast bandits walk a loop in the southern meadow, away from the fields.
-- Map letters: B home, h house sites, t trees, f fields, o workers, R ruins, M mill,
-- b bandits.
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
  ":::::::::::.t..%%%%%%%         ",
  " :::::::..t..hhh%%%%%%%        ",
  "  ::::..RRRR.hhh.%%%%%%:       ",
  "  ::..t.RRRR.....hhh...::      ",
  "   :....RRRR..BBBhhh....:      ",
  "    :..t......BBB...t.f..:     ",
  "     :........BBB..o......:    ",
  "     ::...f.......o.MM.t..:    ",
  "      :.....f....o..MM.....:   ",
  "       :................t%%%%  ",
  "        :..........t.....%%%%% ",
  "        ::...............%%%%% ",
  "         :..............::%%   ",
  "          :.....b....::::      ",
  "           :...b..:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  R = { type = "cTunnelBuild", name = "key_altar0", sprite = "ruins00", size = { 4, 3 }, door = true },
  M = { type = "cPlant", name = "mill0", sprite = "mill00", size = { 2, 2 }, door = true },
  b = { type = "cBandit", name = { "bandit0", "bandit1" }, sprite = "bandit" },
})
-- The bandits' loop, in walking order.
for i, cell in ipairs({ { 13, 3 }, { 15, 2 }, { 19, 4 }, { 16, 5 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
scene:finish()
