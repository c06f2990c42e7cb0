-- Level 033, "The quiet valley": eight workers from three. The home stands low in
-- the south-west; six house sites lie far round the valley, the fields in the east.
-- The home's own trees are few: most of the wood is the goblins' grove (link 33) in
-- the north, where the camp above it ("goblin_camp") sends its thieves. Skeletons
-- come now and then from the eastern rim ("skeleton_camp") and witches from the
-- north-west ("witch_camp") at the western houses; the hero meets them and the
-- wife thaws the frozen with mana from the well.
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- w well, o workers, Y hero, W wife, C goblin camp, K skeleton camp, X witch camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("033")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     ::::::::C%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::gg.g%%%%%%%         ",
  " :::::::..g.hhh.%%%%%%%        ",
  "  ::::X.hhh.hhh..%%%%%%:       ",
  "  ::....hhh....g..%%...::      ",
  "   :..t....g....hhh.....:      ",
  "    :..hhh......hhh...t.K:     ",
  "     :.hhh.t...g....hhh...:    ",
  "     ::..........w..hhh...:    ",
  "      :......W.........f...:   ",
  "       :......o.......hhh%%%%  ",
  "        :..BBB.o......hhh%%%%% ",
  "        ::.BBB.o.........%%%%% ",
  "         :.BBB..Y.......::%%   ",
  "          :.......f.f::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "25;2", 33) end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "30;1") end,
  X = function(s, x, y) s:camp(x, y, "witch_camp", "witch", "30;1") end,
  W = { type = "cWife", name = "wife", sprite = "wife" },
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 33) end,
})
-- The ground: rocks in the southern corner, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
scene:finish()
