-- Level 031, "The beacon": the lighthouse ("lighthouse0", "lighthouse00") alone,
-- 250 wood paid off log by log. The woods ring the home; three fields pay for the
-- axes.
-- Map letters: B home, t trees, f fields, o workers, L lighthouse.
-- The picture's ':' and '%' are free ground too: the screen's edge and the HUD,
-- where no clickable object stands.
local scene = require("extras").scene("031")
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
  ":::::::::::.t..%%%%%%%         ",
  " :::::::........%%%%%%%        ",
  "  ::::.t......t.t%%%%%%:       ",
  "  ::......LL......%%...::      ",
  "   :..t...LL...t...t....:      ",
  "    :............t....t..:     ",
  "     :.t............t.....:    ",
  "     ::.......BBB.........:    ",
  "      :..t....BBB.o....ft..:   ",
  "       :......BBB....f...%%%%  ",
  "        :.........o...f..%%%%% ",
  "        ::.......o......t%%%%% ",
  "         :...t.....t....::%%   ",
  "          :.....t....::::      ",
  "           :t..t.t:::::        ",
  "           :...:::::           ",
  "            :::::              ",
  "             :                 ",
}, {
  L = { type = "cTunnelBuild", name = "lighthouse0", sprite = "lighthouse00", size = { 2, 2 }, door = true },
})
-- The ground: a pond under the northern woods, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
scene:finish()
