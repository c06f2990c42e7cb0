-- Level 023, "The advisor's tower": three advisor towers ("tower_advisor", data 0, 1
-- and 2, 120 money each) north of the home; only the one the advisor chose ends the
-- level. The gold lies in six nuggets ("achieve_money" when the last is spent). A
-- tank ("tank0") on the southern rise sweeps the low ground below it, very slowly;
-- nothing the level needs lies in its lane.
-- Map letters: B home, n nuggets, t trees, f fields, o workers, A advisor towers, K tank.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("023")

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
  "  ::::......AA..n%%%%%%:       ",
  "  ::....AA..AA....%%...::      ",
  "   :....AA........AA....:      ",
  "    :..........n..AA.....:     ",
  "     :.....n..............:    ",
  "     ::.......BBB....n....:    ",
  "      :.....E.BBB.o....n...:   ",
  "       :..t...BBB...n....%%%%  ",
  "        :.........o..Zf..%%%%% ",
  "        ::.t.....o...f...%%%%% ",
  "         :.............f::%%   ",
  "          :..tK......::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  A = { type = "cTunnelBuild", name = { "tower_advisor0", "tower_advisor1", "tower_advisor2" }, sprite = "tower_advisor",
        data = { 0, 1, 2 }, size = { 2, 2 }, door = true },
  K = { type = "cTank", name = "tank0", sprite = "tank" },
})
-- The ground: a pond under the northern woods and rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(13, 1, 14, 2)
scene:finish()
