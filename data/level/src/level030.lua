-- Level 030, "The key altar": the ruins ("key_altar0", "ruins00") in the east are
-- rebuilt food by food, 500 in all, far from the home in the west. Five fields and a
-- mill site ("mill0") lie between, the mill and the far fields nearest the ruins.
-- Skeletons come from the eastern rim ("skeleton_camp") past the ruins, where the
-- workers stand paying; the hero meets them. Two fast bandits walk a loop in the
-- southern meadow, below the mill.
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
  "  ::::::::::::t%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::hhh.hhh.%%%%%%%        ",
  "  ::::..hhh.hhh..%%%%%%:       ",
  "  ::...t........t.%%...::      ",
  "   :.f.BBB.Y...f........:      ",
  "    :.tBBB..o.f..........:     ",
  "     :.BBB.o....fRRRR.....:    ",
  "     ::t..f.ff...RRRR.....:    ",
  "      :....o...MMRRRR...K..:   ",
  "       :....f..MM........%%%%  ",
  "        :.t.......f......%%%%% ",
  "        ::...............%%%%% ",
  "         :..............::%%   ",
  "          :..bb......::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  R = { type = "cTunnelBuild", name = "key_altar0", sprite = "ruins00", size = { 4, 3 }, door = true },
  M = { type = "cPlant", name = "mill0", sprite = "mill00", size = { 2, 2 }, door = true },
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "45;1") end,
  b = { type = "cBandit", name = { "bandit0", "bandit1" }, sprite = "bandit" },
})
-- The bandits' loop, in walking order.
for i, cell in ipairs({ { 13, 3 }, { 15, 2 }, { 19, 4 }, { 16, 5 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
scene:finish()
