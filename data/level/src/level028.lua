-- Level 028, "The witches' winter": 300 wood and 300 money with food to spare. A
-- rock cliff climbs from the middle of the snowfield to the northern woods; the
-- home, the altar, the nuggets and the wells lie east of it, the wood west of it,
-- reached round the cliff's southern end or through its one gap once the stone
-- ("stone0") there is cleared. A frozen pond fills the south-eastern corner.
-- Four witch camps ("base_enemy0".."base_enemy3") sit on the rims, two by the wood
-- and two by the home. From the first morning they send a witch now and then, two
-- at most, so that the work feels them before the dark; the first nightfall wakes
-- two of them in earnest and every daybreak quiets them all, but a witch already
-- out stays at the work until the hero or the bonfire ends her. A succubus camp
-- of its own calls by day. The hero strikes the witches, the bonfire
-- ("bonfire0") by the home drives them off while it burns, and the altar
-- ("altar0") casts them all away for mana from the wells.
-- Map letters: B home, h house sites, n nuggets, t trees, f fields, w wells,
-- o workers, E hero, W wife, A altar, F bonfire, s the stone, X witch camps,
-- S succubus camp.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("028")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::.t.t....%%%%%%%        ",
  "  S:::.t.........%%%%%%:       ",
  "  ::t.....t..s.hhh%%..t::      ",
  "   :...t.......hhh..hhh.:      ",
  "    :.....t......W..hhh.F:     ",
  "     :t........AA........X:    ",
  "     ::..t.....AA....n.w.n:    ",
  "      :.....t.....BBB.o.f..:   ",
  "       :.t.....tn.BBBo...%%%%  ",
  "        X........EBBB.o..%%%%% ",
  "        ::..t....w....n..%%%%% ",
  "         :....t......f..::%%   ",
  "          :t.....tn...:X::     ",
  "           :..t.t.:::::        ",
  "           :.t.::X::           ",
  "            :::::              ",
  "             :                 ",
}, {
  E = { type = "cHero", name = "hero", sprite = "hero" },
  W = { type = "cWife", name = "wife", sprite = "wife" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_kill_enemies", size = { 2, 2 }, door = true },
  F = { type = "cBonfire", name = "bonfire0", sprite = "bonfire00" },
  s = { type = "cBarrier", name = "stone0", sprite = "stone00" },
  X = function(s, x, y, i) s:camp(x, y, "base_enemy" .. i, "witch", "20;2") end,
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "45;1") end,
})
local T = require("level_terrain")
-- The cliff from the middle of the valley up to the northern woods, walked round
-- at its southern end; the stone fills its one gap.
T.wall(13, 12, 13, 20)
-- The frozen pond in the south-eastern corner.
T.pond(24, 5, 27, 7)
scene:finish()
