-- Level 024, "The wheat road": the lighthouse ("lighthouse0", 250 wood) and 300
-- money. Three fields feed the axes and the picks (300 food gathered gives
-- "achieve_wheat"). Two slow bandits walk a loop of way points in the southern
-- meadow, far below the work round the home.
-- Map letters: B home, n nuggets, t trees, f fields, o workers, L lighthouse, b bandits.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
-- A skeleton camp (Z) by the work sends skeletons after the workers; the hero (E)
-- beside the home strikes them down.
local scene = require("extras").scene("024")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::..t..t..%%%%%%%        ",
  "  ::::..LL.......%%%%%%:       ",
  "  ::....LL..t..t.t%%...::      ",
  "   :..t.......BBB...n...:      ",
  "    :.t....nE.BBB.o...n..:     ",
  "     :.t.t....BBB....n....:    ",
  "     ::.....n.....o.t..f..:    ",
  "      :...t...t..o...f.St..:   ",
  "       :....t...t..t..f..%%%%  ",
  "        :................%%%%% ",
  "        ::...............%%%%% ",
  "         :..............::%%   ",
  "          :.....b....::::      ",
  "           :...b..:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  S = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
  L = { type = "cTunnelBuild", name = "lighthouse0", sprite = "lighthouse00", size = { 2, 2 }, door = true },
  b = { type = "cBandit", name = { "bandit0", "bandit1" }, sprite = "bandit" },
})
-- The bandits' loop, in walking order.
for i, cell in ipairs({ { 13, 3 }, { 15, 2 }, { 19, 4 }, { 16, 5 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
-- The ground: a pond under the northern woods and a copse on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.woods(4, 15, 6, 16)
scene:finish()
