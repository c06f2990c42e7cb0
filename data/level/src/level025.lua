-- Level 025, "The trader's prison": 250 food, 250 wood and 250 money. A bandit
-- ("bandit0") walks the eastern woods and locks the workers he catches in the
-- prison ("prison0") beside them; the wife opens it for 80 mana, which the well
-- gives. The main woods, nuggets and fields lie west and north of the home, out of
-- his way.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, w well,
-- o workers, W wife, J prison, b bandit.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("025")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::..t.%%%%%%%         ",
  " :::::::.tt....t%%%%%%%        ",
  "  ::::.....hhh...%%%%%%:       ",
  "  ::..thhh.hhh.n.t%%...::      ",
  "   :.t.hhh..............:      ",
  "    :.....t.n.n.nZ.......:     ",
  "     :f.t...W....n...t....:    ",
  "     ::...BBB..t........t.:    ",
  "      :fE.BBB.o.......JJ...:   ",
  "       :..BBB....t....JJ.%%%%  ",
  "        :w....o..........%%%%% ",
  "        ::...o.......b..t%%%%% ",
  "         :f.t...t.......::%%   ",
  "          :...t......::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  W = { type = "cWife", name = "wife", sprite = "wife" },
  J = { type = "cPrison", name = "prison0", sprite = "", size = { 2, 2 }, door = true },
  b = { type = "cBandit", name = "bandit0", sprite = "bandit" },
})
-- The bandit's loop, in walking order.
for i, cell in ipairs({ { 20, 5 }, { 24, 5 }, { 25, 9 }, { 22, 12 }, { 20, 10 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
