-- Level 034, "The water of life": the fountain's house ("source_life_water") is
-- paid off coin by coin, 1000 money in all, and 400 mana is gathered, by ten
-- workers (the coins are paid one a second by each worker on the site). The home
-- stands low in the middle with the fountain's house north of it; thirteen nuggets
-- lie round it in the east and south, a gold mill site among them; the two wells
-- stand by the spring's lake in the north-west, walked round on the way up.
-- The fountain ("anim=source_fountain") shows once the house is finished.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, w wells,
-- o workers, Q the fountain's house, G gold mill.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("034")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " ::::.......hhh.%%%%%%%        ",
  "  :::.....w.hhh..%%%%%%:       ",
  "  ::.............t%%...::      ",
  "   :.........QQQQ...n..n:      ",
  "    :..t..tw.QQQQ........:     ",
  "     :.......QQQQ.n..GG.n.:    ",
  "     ::.thhh.QQQQ....GG...:    ",
  "      :..hhh....o.oo.....n.:   ",
  "       :........oBBB.onn.%%%%  ",
  "        :....fn..BBB.o...%%%%% ",
  "        ::.f....oBBB.o.n..%%%% ",
  "         :.....n.o.o..n.::%%   ",
  "          :.f....n..n::::      ",
  "           :...t..:.:::        ",
  "           :...:::.:           ",
  "            :::::              ",
  "             :                 ",
}, {
  Q = { size = { 4, 4 }, make = function(s, x, y)
    local building = s:site({ type = "cTunnelBuild", cell = { x, y }, name = "source_life_water",
                              sprite = "source_life_water" })
    s:put({ type = "cDecor", cell = { x, y }, name = "fountain", sprite = "anim=source_fountain" })
    return building
  end },
  G = { type = "cPlant", name = "goldmill0", sprite = "goldmill00", size = { 2, 2 }, door = true },
})
-- The ground: the spring's lake in the north-west, which the well drawers walk
-- round.
local T = require("level_terrain")
T.pond(5, 14, 8, 17)
scene:finish()
