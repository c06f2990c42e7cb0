-- Level 034, "The water of life": the fountain's house ("source_life_water") is
-- paid off coin by coin, 1000 money in all, and 400 mana is gathered, by ten
-- workers (the coins are paid one a second by each worker on the site). The home
-- stands low in the middle with the fountain's house north of it; thirteen nuggets
-- lie round it in the east and south, a gold mill site among them; the two wells
-- stand in the north-west behind the spring's lake, whose outflow closes the way
-- from the south, so the well drawers walk round its northern shore.
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
  "  :::.......hhh..%%%%%%:       ",
  "  ::.w...........t%%...::      ",
  "   :.........QQQQ...n..n:      ",
  "    :w....t..QQQQ........:     ",
  "     :.......QQQQ.n..GG.n.:    ",
  "     ::.t....QQQQ....GG...:    ",
  "      :t.hhh....o.oo.....n.:   ",
  "       :.hhh....oBBB.onn.%%%%  ",
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
-- The ground: the spring's lake in the north-west and its outflow to the western
-- rim, which the well drawers walk round by the north.
local T = require("level_terrain")
T.pond(7, 12, 9, 16)
T.pond(5, 11, 9, 11)
scene:finish()
