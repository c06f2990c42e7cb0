-- Level 037, "The miller's winter": 200 money and six workers from two. The home
-- stands in the east with a few nuggets of its own. The mill ("mill0") in the
-- north-west stands built from the start with a seat for a worker, who turns each
-- load of food into more; its fields lie under the witch camp ("witch_camp"),
-- which sends a witch now and then: the hero strikes her, the wife thaws the
-- frozen. An enemy tower ("tower_enemy0") in the south-west covers the richest
-- nuggets, whose pickers it drives off.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, o workers,
-- E hero, W wife, M mill, T enemy tower, X witch camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("037")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::X:.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::...f.t..%%%%%%%        ",
  "  ::::........f..%%%%%%:       ",
  "  ::.....MM.f..t.t%%t..::      ",
  "   :..t..MM.......t..hhh:      ",
  "    :...t....thhh....hhh.:     ",
  "     :.f......hhh...W...n.:    ",
  "     ::.t..hhh....o.......:    ",
  "      :....hhh..E..BBB.n...:   ",
  "       :n........o.BBB...%%%%  ",
  "        :....n.n...BBB..t%%%%% ",
  "        ::...............%%%%% ",
  "         :..n...hhh...n.::%%   ",
  "          :T....hhh.n::::      ",
  "           :..n...:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  W = { type = "cWife", name = "wife", sprite = "wife" },
  M = { type = "cPlant", name = "mill0", sprite = "mill00", tag = "1;0", size = { 2, 2 }, door = true },
  T = { type = "cTower", name = "tower_enemy0", sprite = "tower_enemy00" },
  X = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "40;1") end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
