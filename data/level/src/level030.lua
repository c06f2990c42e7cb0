-- Level 030, "The key altar": the ruins ("key_altar0", "ruins00") stand a short walk
-- east of the home and are rebuilt food by food, 500 in all, by four workers. The
-- fields lie round the home and the ruins, a mill site ("mill0") behind the ruins.
-- Skeletons come two at a time from the eastern rim ("skeleton_camp") straight at
-- the ruins' door, where the workers stand paying; the hero meets them. Two fast
-- bandits walk a loop in the southern meadow, below the far fields.
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
  "  ::...t...Yf...t.%%...::      ",
  "   :.f.BBB...f.f........:      ",
  "    :.tBBB.of....MM......:     ",
  "     :.BBB..oRRRRMM.......:    ",
  "     ::t...ofRRRR.........:    ",
  "      :..fo..RRRR..........:   ",
  "       :...f.........K...%%%%  ",
  "        :.f..............%%%%% ",
  "        ::t..............%%%%% ",
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
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "30;2") end,
  b = { type = "cBandit", name = { "bandit0", "bandit1" }, sprite = "bandit" },
})
-- The bandits' loop, in walking order.
for i, cell in ipairs({ { 13, 3 }, { 15, 2 }, { 19, 4 }, { 16, 5 } }) do
  scene:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
scene:finish()
