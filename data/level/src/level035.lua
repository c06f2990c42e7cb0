-- Level 035, "The fires at night": 200 mana and seven workers from two. The home
-- stands in the north-east; the two wells lie far in the south-west, where the
-- witch camp "base_enemy0" waits, and "base_enemy1" in the north-west looks down on
-- the western houses. By day the goblins of the eastern camp ("goblin_camp") steal
-- from the grove beside it (link 35), a witch camp by day ("witch_camp") sends its
-- witches at the well drawers and the western houses, and the skeletons of the
-- eastern camp ("skeleton_camp") chase the workers at the eastern houses; at
-- nightfall the two witch camps wake. Two bonfires ("bonfire0" among the houses,
-- "bonfire1" by the wells) drive the witches off while a worker tends them (a wood
-- a second); the hero strikes those that come through and the wife thaws the
-- frozen.
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- w wells, o workers, E hero, W wife, F bonfires, X witch camps, C goblin camp,
-- K the day's witch camp, Z skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("035")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::.f..%%%%%%%         ",
  " :::::::.t...tt.%%%%%%%        ",
  "  ::::....hhh...W%%%%%%:       ",
  "  ::X..t..hhh..BBB%%...::      ",
  "   :.t.........BBB.f.f..:      ",
  "    :.hhh.F..E.BBB.......:     ",
  "     :hhh.....o....o.g.g..:    ",
  "     ::....hhh..t.hhh..Z..:    ",
  "      :.K..hhh....hhh.g....:   ",
  "       :......hhh........C%%%  ",
  "        :w....hhh.....g..%%%%% ",
  "        ::..F............%%%%% ",
  "         :t........tg...::%%   ",
  "          :.w........::::      ",
  "           :......:::::        ",
  "           :X..:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  W = { type = "cWife", name = "wife", sprite = "wife" },
  F = { type = "cBonfire", name = { "bonfire1", "bonfire0" }, sprite = "bonfire00" },
  X = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "witch", "30;0") end,
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "30;1", 35) end,
  K = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "25;2") end,
  Z = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "25;1") end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 35) end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
