-- Level 033, "The quiet valley": eight workers from three. The home stands low in
-- the south with three fields beside it; six house sites climb the valley. The
-- near trees are few: the wood of the north is the goblins' grove (link 33), and
-- the camp above it ("goblin_camp") sends its thieves down into it. Skeletons come
-- now and then from the eastern rim ("skeleton_camp"); the hero meets them.
-- Map letters: B home, h house sites, t trees, g the goblins' grove, f fields,
-- o workers, Y hero, C goblin camp, K skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("033")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  :::::::::::C.%%%%%%%         ",
  ":::::::::::g..g%%%%%%%         ",
  " :::::::.....g.g%%%%%%%        ",
  "  ::::...hhh.....%%%%%%:       ",
  "  ::.....hhhg....g%%...::      ",
  "   :....t......t....hhh.:      ",
  "    :thhh...hhh.g...hhh..:     ",
  "     :hhh.t.hhh...........:    ",
  "     ::..t................:    ",
  "      :t..hhh....hhh.......:   ",
  "       :..hhh....hhh.....%%%%  ",
  "        :...o...o.......K%%%%% ",
  "        ::...BBB.........%%%%% ",
  "         :.o.BBB.Y......::%%   ",
  "          :f.BBB..f..::::      ",
  "           :....f.:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_wood", "25;2", 33) end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "30;1") end,
  g = function(s, x, y, i) s:tree(x, y, "grove" .. i, 33) end,
})
scene:finish()
