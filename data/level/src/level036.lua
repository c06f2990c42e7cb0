-- Level 036, "The charmer": six workers from three and 200 money. The home stands
-- low in the south-west. The nuggets of the east lie by the succubus camp
-- ("succub_camp"), whose charmer goes after the workers who gather there; three
-- nuggets by the fields feed the money goblins of the southern camp
-- ("goblin_camp", link 36), whom the hero beats off. The wife casts the altar's
-- spell ("altar0", "spell_kill_enemies", 70 mana) to send every charmer away, with
-- mana from the well in the north.
-- Map letters: B home, h house sites, n nuggets, m the goblins' nuggets, t trees,
-- f fields, w well, o workers, W wife, Y hero, A altar, S succubus camp,
-- C goblin camp.
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
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::.t......%%%%%%%        ",
  "  ::::.....w..t..%%%%%%:       ",
  "  ::...hhh......t.%%...::      ",
  "   :...hhht..hhh........:      ",
  "    :.t......hhh.........:     ",
  "     :..AA......hhh..n....:    ",
  "     ::.AA..o...hhhn......:    ",
  "      :...o...o.......n.S..:   ",
  "       :...BBB......n....%%%%  ",
  "        :Y.BBB.W.......n.%%%%% ",
  "        ::.BBB...f.......%%%%% ",
  "         :.....f........::%%   ",
  "          :..f....m..::::      ",
  "           :m...m.:::::        ",
  "           :..C:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  W = { type = "cWife", name = "wife", sprite = "wife" },
  Y = { type = "cHero", name = "hero", sprite = "hero" },
  A = { type = "cAltar", name = "altar0", sprite = "spell_kill_enemies", size = { 2, 2 }, door = true },
  m = function(s, x, y, i)
    return s:put({ type = "cSource", cell = { x, y }, name = "goblin_nugget" .. i, sprite = "nugget00", data = 36 })
  end,
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "25;1") end,
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_money", "30;1", 36) end,
})
scene:finish()
