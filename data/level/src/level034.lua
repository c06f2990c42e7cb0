-- Level 034, "The water of life": the fountain's house ("source_life_water") is
-- paid off coin by coin, 1000 money in all, and 400 mana is gathered, by ten
-- workers (the coins are paid one a second by each worker on the site). Thirteen
-- nuggets lie east of the home, a gold mill site beside them; two wells stand west.
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
  " ::::hhh.....hhh%%%%%%%        ",
  "  :::hhhtQQQQhhh.%%%%%%:       ",
  "  ::.....QQQQ.....%%...::      ",
  "   :..w..QQQQ...n..n..n.:      ",
  "    :....QQQQ.n..n..GG...:     ",
  "     :............o.GG.n..:    ",
  "     ::w......BBBo........:    ",
  "      :..t.n..BBB.o.oon.n..:   ",
  "       :......BBB..o.....%%%%  ",
  "        :.f.......o.n....%%%%% ",
  "        ::......oo.o..n.n%%%%% ",
  "         :.f...t........::%%   ",
  "          :..f....n..::::      ",
  "           :....t.:::::        ",
  "           :...:::::           ",
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
-- The ground: rocks in the southern corner and a pond in the north-west, clear of every walk.
local T = require("level_terrain")
T.rocks(13, 1, 14, 2)
T.pond(9, 17, 11, 18)
scene:finish()
