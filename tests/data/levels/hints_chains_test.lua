-- The objects the tutorial chains of the later levels name, on one small level
-- whose name lies outside the level table (no set-up applies): the home with its
-- door, three workers and the wife, the mill "mill0", the bonfires "bonfire0" and
-- "bonfire1", the key altar "key_altar0", the enemy altar "altar_enemy0", the
-- altar "altar0", the bell "bell0" and the finished house "house0", on the game's
-- 31 x 25 path grid (all of it free ground). The enemy altar charges for so long
-- that it never strikes in a test.
-- Compile: level_tool compile tests/data/levels/hints_chains_test.lua tests/data/levels/hints_chains_test.lvl

level { name = "hints_chains", version = 100 }

local kWidth, kHeight = 31, 25

local function place(entry, cellX, cellY)
  entry.x, entry.y = cell_centre(cellX, cellY)
  object(entry)
end

-- An object with an even side stands on the cell corner after its cell along that
-- side, the middle of its footprint, as the level screen counts its cells.
local function place_zone(entry, cellX, cellY, evenX, evenY)
  local x0, y0 = cell_centre(cellX, cellY)
  local x1, y1 = cell_centre(cellX + (evenX and 1 or 0), cellY + (evenY and 1 or 0))
  entry.x, entry.y = (x0 + x1) / 2, (y0 + y1) / 2
  object(entry)
end

local homeX, homeY = point_to_cell(512, 384)

place({ type = "cBuild", id = 1, name = "home", sprite = "base00" }, homeX, homeY)
place({ type = "cNode", id = 2, name = "home_door", data = 1 }, homeX + 3, homeY)
place({ type = "cWorker", id = 10, layer = 6, name = "worker0" }, homeX + 3, homeY + 2)
place({ type = "cWorker", id = 11, layer = 6, name = "worker1" }, homeX + 4, homeY - 1)
place({ type = "cWorker", id = 12, layer = 6, name = "worker2" }, homeX + 2, homeY - 2)
place({ type = "cWife", id = 13, layer = 6, name = "wife", sprite = "wife" }, homeX - 2, homeY - 2)

place_zone({ type = "cPlant", id = 20, name = "mill0", sprite = "mill00" }, homeX - 7, homeY + 5, true, true)
place({ type = "cBonfire", id = 21, name = "bonfire0", sprite = "bonfire00" }, homeX + 7, homeY + 5)
place({ type = "cBonfire", id = 22, name = "bonfire1", sprite = "bonfire00" }, homeX + 9, homeY - 5)
place_zone({ type = "cTunnelBuild", id = 23, name = "key_altar0", sprite = "ruins00" }, homeX - 8, homeY - 4, true, false)
local altarEnemy = { type = "cAltarEnemy", id = 24, name = "altar_enemy0", sprite = "altar00",
  tag = "enemy_spell_kill_workers;100000" }
place_zone(altarEnemy, homeX - 2, homeY + 8, true, true)
place_zone({ type = "cAltar", id = 25, name = "altar0", sprite = "spell_freeze_water" }, homeX + 3, homeY + 7, true, true)
place({ type = "cBell", id = 26, name = "bell0", sprite = "bell00" }, homeX - 4, homeY - 7)
place_zone({ type = "cBuild", id = 27, name = "house0", sprite = "house00", tag = "2;0" }, homeX + 4, homeY - 7, false, true)
place({ type = "cNode", id = 28, name = "house0_door", data = 27 }, homeX + 4, homeY - 9)

local cells = {}
for i = 1, kWidth * kHeight do cells[i] = 0 end
grid { width = kWidth, height = kHeight, cells = cells }
