-- Level 026, "The new village": nine workers from three. Seven house sites stand in
-- rows north of the home; the woods lie round it and the fields to the east.
-- Map letters: B home, h house sites, t trees, f fields, o workers.
local scene = require("extras").scene("026", "village of houses")

scene:map({
  "                               ",
  "               %%%             ",
  "             %%%%%%            ",
  "          ::%%%%%%%            ",
  "       ::::::%%%%%%%           ",
  "     :::::::::%%%%%%%          ",
  "  ::::::::::::.%%%%%%%         ",
  ":::::::::::.t..%%%%%%%         ",
  " :::::::.hhh.hhh%%%%%%%        ",
  "  ::::.t.hhh.hhht%%%%%%:       ",
  "  ::..............%%...::      ",
  "   :.hhh.hhh.hhh..hhh...:      ",
  "    :hhh.hhh.hhh..hhh....:     ",
  "     :.t...............t..:    ",
  "     ::.t...t.BBB...t.....:    ",
  "      :...t...BBB.o....f.t.:   ",
  "       :......BBB....f..t%%%%  ",
  "        :..t......o...f..%%%%% ",
  "        ::.......o...hhh.%%%%% ",
  "         :...t.....t.hhh::%%   ",
  "          :....t..t..::::      ",
  "           :......:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
})
scene:finish()
