-- Level 036, "The charmer": six workers from three and 200 money. The home stands
-- in the east with the well, the altar and a few trees. A cliff comes down from
-- the northern rim to the middle of the level; the nuggets lie beyond it in the
-- west, walked to round its southern foot, by the succubus camp ("succub_camp"),
-- whose charmer goes after the workers who gather there, by the skeleton camp
-- ("skeleton_camp"), whose skeletons chase the pickers off, and under a witch camp
-- ("witch_camp1"). Three nuggets by the rain pond in the south feed the money
-- goblins of the southern camp ("goblin_camp", link 36), where the second witch
-- camp ("witch_camp0") stands too. The hero beats off the goblins, skeletons and
-- witches, and the wife thaws the frozen. The wife casts the altar's spell
-- ("altar0", "spell_kill_enemies", 70 mana) to send every charmer away, with mana
-- from the well.
-- Map letters: B home, h house sites, n nuggets, m the goblins' nuggets, t trees,
-- f fields, w well, o workers, W wife, Y hero, A altar, S succubus camp,
-- C goblin camp, X witch camps, K skeleton camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("036")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     ::::S::::%%%%%%%          ",
  "  ::::::::.:::.%.%%%%%         ",
  "::::::::X::....%%%%%%%         ",
  " :::::::....n...%%%.%%%        ",
  "  ::::...n.....t.%%%%%%:       ",
  "  ::.K..........hhh...t::      ",
  "   :...n...n....hhh..f...      ",
  "    :nt.........t........:     ",
  "     :..n..n.....AA..t.w..:    ",
  "     ::..........AAYBBBW..:    ",
  "      :..hhh...t....BBBo...:   ",
  "       :.hhh.......oBBB.t%%%%  ",
  "        :....t.hhh.o.....%%%%% ",
  "        ::...m.hhh....f..%%%%% ",
  "         :..............::%%   ",
  "          :.......m..::::      ",
  "           :.X..m.:::::        ",
  "           :...:::C:           ",
  "            :::::              ",
  "             :                 ",
}, {
  W = { type = "cWife", name = "wife", sprite = "wife" },
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_kill_enemies", size = { 2, 2 }, door = true },
  m = function(s, x, y, i)
    return s:put({ type = "cSource", cell = { x, y }, name = "goblin_nugget" .. i, sprite = "nugget00", data = 36 })
  end,
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "50;1") end,
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_money", "30;1", 36) end,
  X = function(s, x, y, i) s:camp(x, y, "witch_camp" .. i, "witch", "25;2") end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
})
-- The ground: a cliff from the northern rim down the middle, walked round at its
-- southern foot on the way to the western nuggets, and a rain pond in the south.
local T = require("level_terrain")
T.wall(13, 21, 13, 8)
T.pond(11, 5, 12, 6)
scene:finish()
