-- Level 036, "The charmer": six workers from three and 200 money. The home stands
-- in the north-west with its woods and the well. The nuggets of the east lie by
-- the succubus camp ("succub_camp"), whose charmer goes after the workers who
-- gather there, and by the skeleton camp ("skeleton_camp"), whose skeletons chase
-- the pickers off; three nuggets by the fields in the south feed the money goblins
-- of the southern camp ("goblin_camp", link 36); the two fields lie by them. The
-- eastern house site stands by the skeletons. The witches of the two camps by
-- the fields and by the woods ("witch_camp0", "witch_camp1") freeze the workers.
-- The hero beats off the goblins, skeletons and witches, and the wife thaws the
-- frozen. The wife casts the altar's spell ("altar0", "spell_kill_enemies", 70
-- mana) to send every charmer away, with mana from the well.
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
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::....%%%%%%%         ",
  " :::::::.t.X....%%%%%%%        ",
  "  ::::.....w..t..%%%%%%:       ",
  "  ::.BBB........t.%%...::      ",
  "   :.BBB..t........hhh..:      ",
  "    :BBB.Y.........hhh.K.:     ",
  "     :..AA......hhh..n....:    ",
  "     ::.AA..o...hhhn......:    ",
  "      :...o...o.......n.S..:   ",
  "       :...hhh......n....%%%%  ",
  "        :..hhh.W...t...n.%%%%% ",
  "        ::.......f...t...%%%%% ",
  "         :t....f....X...::%%   ",
  "          :t......m..::::      ",
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
  S = function(s, x, y) s:camp(x, y, "succub_camp", "succub", "50;1") end,
  C = function(s, x, y) s:camp(x, y, "goblin_camp", "goblin_money", "30;1", 36) end,
  X = function(s, x, y, i) s:camp(x, y, "witch_camp" .. i, "witch", "25;2") end,
  K = function(s, x, y) s:camp(x, y, "skeleton_camp", "skeleton", "20;2") end,
})
scene:finish()
