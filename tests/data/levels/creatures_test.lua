-- A level holding every level class: the home base with the wife and the hero in
-- the south-west; a witches' camp with a worker beside it and a bonfire in the
-- north-west; a goblins' camp, a tree for them to steal from and the player's tower
-- in the north-east; the tank above a tree in the middle; and the quiet rest (an
-- altar, the prison, a lake, the bell, a field, a plant, pick-ups, a barrier, an
-- enemy altar, a tunnel, quiet camps, an enemy tower, a way point, a succubus
-- alone, a skeleton, a skeleton wizard and a bandit far off) around them. The
-- end-to-end test gives the orders.
-- Compile: level_tool compile tests/data/levels/creatures_test.lua tests/data/levels/creatures_test.lvl

level { name = "creatures_test", version = 100 }

local kCell = 48

local function place(entry, cellX, cellY)
  entry.x, entry.y = cellX * kCell + kCell / 2, cellY * kCell + kCell / 2
  object(entry)
end

-- The north: the witches' corner, the goblins' corner and the tank between them.
place({ type = "cBaseEnemy", id = 50, name = "witch_camp", sprite = "witch", tag = "2;1" }, 3, 13)
place({ type = "cWorker", id = 60, name = "frozen_worker" }, 4, 13)
place({ type = "cBonfire", id = 51, name = "bonfire", sprite = "bonfire00" }, 3, 10)
place({ type = "cWorker", id = 61, name = "tender" }, 6, 9)
place({ type = "cBaseEnemy", id = 52, name = "goblin_camp", sprite = "goblin_wood", tag = "3;1" }, 20, 14)
place({ type = "cSource", id = 53, name = "goblin_tree", sprite = "tree00_0" }, 16, 12)
place({ type = "cTower", id = 54, name = "tower", sprite = "tower00", tag = "2;0" }, 17, 10)
place({ type = "cTank", id = 55, name = "tank", sprite = "tank" }, 11, 13)
place({ type = "cSource", id = 56, name = "tank_tree", sprite = "tree01_0" }, 11, 3)
place({ type = "cWorker", id = 62, name = "woodcutter" }, 13, 6)

-- The quiet rest.
place({ type = "cAltar", id = 70, name = "altar", sprite = "spell_freeze_water" }, 8, 4)
place({ type = "cPrison", id = 71, name = "prison", sprite = "" }, 19, 4)
place({ type = "cLake", id = 72, layer = 4, name = "lake", sprite = "lake00" }, 15, 2)
place({ type = "cBell", id = 73, name = "bell", sprite = "bell00" }, 6, 6)
place({ type = "cField", id = 74, layer = 4, name = "field", sprite = "field00" }, 20, 8)
place({ type = "cPlant", id = 75, name = "plant", sprite = "mill00" }, 8, 11)
place({ type = "cItem", id = 76, layer = 6, name = "item_food", sprite = "food" }, 9, 2)
place({ type = "cBarrier", id = 77, name = "log", sprite = "log00" }, 1, 7)
place({ type = "cAltarEnemy", id = 78, name = "altar_enemy", sprite = "altar00", tag = "enemy_spell_kill_towers;0.5" }, 14, 15)
place({ type = "cTunnelBuild", id = 79, name = "tunnel", sprite = "ruins00" }, 21, 1)
place({ type = "cBaseEnemy", id = 80, name = "quiet_camp", sprite = "goblin_money", tag = "30" }, 0, 15)
place({ type = "cBaseEnemy", id = 82, name = "skeleton_camp", sprite = "skeleton", tag = "30" }, 1, 15)
place({ type = "cTower", id = 83, name = "enemy_tower", sprite = "tower_enemy00" }, 21, 6)
place({ type = "cWayPoint", id = 84, name = "way_point" }, 10, 10)
place({ type = "cSkeleton", id = 85, name = "skeleton", sprite = "skeleton" }, 21, 13)
place({ type = "cSkeletonWizard", id = 86, name = "skeleton_wizard", sprite = "skeleton" }, 21, 12)
place({ type = "cBandit", id = 87, name = "bandit", sprite = "bandit" }, 21, 9)
place({ type = "cSuccub", id = 81, name = "succub", sprite = "succub" }, 21, 11)

-- The south: the home base, its door, and the wife and the hero outside.
place({ type = "cBuild", id = 30, name = "home", sprite = "base00" }, 2, 1)
place({ type = "cNode", id = 40, name = "home_door", data = 30 }, 4, 1)
place({ type = "cWife", id = 31, name = "wife", sprite = "wife" }, 5, 3)
place({ type = "cHero", id = 32, name = "hero", sprite = "hero" }, 6, 3)

-- The ground: all free.
local width, height = 22, 16
local cells = {}
for i = 1, width * height do cells[i] = 0 end
grid { width = width, height = height, cells = cells }
