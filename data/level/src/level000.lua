-- Level "000": the first farm. Six workers are wanted (two start; two house sites
-- stand by the home, two beyond the eastern brook with the fields, which the
-- workers reach round the brook's northern end until the bridge is mended). The
-- hint chain walks the player through it: fell "tree0", mend "bridge0" over the
-- eastern brook to the fields ("field0"), mend "bridge1" over the western brook,
-- clear the log "barrier0" from the rock wall and let the wife cast the altar's
-- spell ("altar0"), then build "house0".
-- Compile: level_tool compile --terrain data/level/terrain/level000.lua
--            data/level/src/level000.lua data/level/level000.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local L = require("level_lib")
local T = require("level_terrain")

L.begin("000")

-- The home ground between the two brooks.
local hx, hy = 15, 9
L.home(hx, hy)
L.worker(hx + 3, hy + 1, "worker0")
L.worker(hx + 2, hy - 3, "worker1")
L.figure("cWife", "wife", hx - 2, hy - 2, "wife")

L.house(hx - 1, hy + 4, "house0")
L.house(hx + 3, hy + 3, "house1")

-- Trees round the home pay the first wood.
L.tree(hx - 2, hy - 0, "tree0")
L.tree(hx - 3, hy - 2, "tree1", "tree01_0")
L.tree(hx - 1, hy - 4, "tree2")
L.tree(hx + 1, hy - 5, "tree3", "tree00_3")
L.tree(hx + 2, hy - 5, "tree4", "tree01_2")
L.tree(hx - 3, hy - 4, "tree5")
L.tree(hx + 4, hy - 2, "tree6", "tree01_0")
L.tree(hx + 3, hy - 4, "tree7")
L.tree(hx - 3, hy + 6, "tree8", "tree00_3")
L.tree(hx - 1, hy + 7, "tree9")

-- The eastern brook runs along cell column 20 with "bridge0" and ends short of the
-- northern edge; its far bank holds the fields, two house sites, a few trees and a
-- gold nugget.
local east = 20
T.brook(east, 0, east, 17)
L.barrier("bridge00", east, hy, "bridge0")
L.field(east + 2, hy, "field0")
L.field(east + 4, hy, "field1")
L.field(east + 2, hy + 2, "field2", "field01")
L.field(east + 4, hy + 2, "field3")
L.house(east + 3, hy + 4, "house2")
L.house(east + 4, hy - 3, "house3")
L.tree(east + 7, hy - 1, "tree10")
L.tree(east + 1, hy - 3, "tree13", "tree00_3")
L.nugget(east + 2, hy - 5, "nugget0")

-- The western brook along column 11 with "bridge1"; beyond it a rock wall along
-- column 8 with the log "barrier0" in its gap, and the altar behind it. Both end
-- below the top bar, where the woods along the top edge close them off.
local west, wall, row = 11, 8, hy + 4
T.brook(west, 0, west, 19)
L.barrier("bridge00", west, row, "bridge1")
T.wall(wall, 0, wall, 18)
L.barrier("log00", wall, row, "barrier0")
L.altar("spell_fast_workers", wall - 3, row - 1, "altar0")
L.tree(wall + 1, row + 2, "tree11")
L.tree(wall - 2, row + 3, "tree12", "tree01_0")

L.finish()
