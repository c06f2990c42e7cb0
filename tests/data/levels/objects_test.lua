-- A small level holding one of each level class of the first objects set: trees, a
-- gold nugget and a well up north, two fields, the four pick-ups, a log and two
-- stones in the middle, a river with two broken bridges, and the home base with
-- three houses (one still to build, one finished, one upgraded once) in the south.
-- Route points lead the workers out of the houses and to the base and the well.
-- Objects are listed back to front (northern rows first), as the screen draws
-- each layer in list order.
-- Compile: level_tool compile tests/data/levels/objects_test.lua tests/data/levels/objects_test.lvl

level { name = "objects_test", version = 100 }

local kCell = 48

-- The centre of cell (x, y), y counted from the bottom row.
local function centre(x, y)
  return x * kCell + kCell / 2, y * kCell + kCell / 2
end

local function place(entry, cellX, cellY)
  entry.x, entry.y = centre(cellX, cellY)
  object(entry)
end

-- The north: the wood, the nugget and the well (sources keep their own layer).
place({ type = "cSource", id = 1, name = "tree_a", sprite = "tree00_0" }, 3, 12)
place({ type = "cSource", id = 2, name = "tree_b", sprite = "tree00_3" }, 6, 12)
place({ type = "cSource", id = 3, name = "tree_c", sprite = "tree01_0" }, 1, 11)
place({ type = "cSource", id = 4, name = "tree_d", sprite = "tree01_2" }, 4, 10)
place({ type = "cSource", id = 5, name = "nugget", sprite = "nugget00" }, 9, 12)
place({ type = "cSource", id = 6, name = "well", sprite = "well00" }, 13, 12)

-- The fields lie flat under everything else.
place({ type = "cField", id = 10, layer = 4, name = "field_a", sprite = "field00" }, 18, 12)
place({ type = "cField", id = 11, layer = 4, name = "field_b", sprite = "field01" }, 18, 9)

-- The middle: obstacles and the pick-ups in a row.
place({ type = "cBarrier", id = 20, name = "log", sprite = "log00" }, 2, 8)
place({ type = "cItem", id = 12, layer = 6, name = "item_food", sprite = "food" }, 6, 10)
place({ type = "cItem", id = 13, layer = 6, name = "item_wood", sprite = "wood" }, 8, 10)
place({ type = "cItem", id = 14, layer = 6, name = "item_money", sprite = "money" }, 10, 10)
place({ type = "cItem", id = 15, layer = 6, name = "item_mana", sprite = "mana" }, 12, 10)
place({ type = "cBarrier", id = 21, name = "stone", sprite = "stone00" }, 4, 8)
place({ type = "cBarrier", id = 22, layer = 6, name = "stone_big", sprite = "stone_big00" }, 11, 7)

-- The river (grid row 6) and its two broken bridges.
place({ type = "cBarrier", id = 23, layer = 4, name = "bridge", sprite = "bridge00" }, 7, 6)
place({ type = "cBarrier", id = 24, layer = 4, name = "bridge_big", sprite = "bridge_big00" }, 16, 6)

-- The south: the home base and the houses. A house's text is its maximum level,
-- then after ";" the level it starts built at.
place({ type = "cBuild", id = 30, name = "home", sprite = "base00" }, 3, 1)
place({ type = "cBuild", id = 31, name = "house_new", sprite = "house00", tag = "2" }, 8, 1)
place({ type = "cBuild", id = 32, name = "house_built", sprite = "house00", tag = "1;0" }, 13, 1)
place({ type = "cBuild", id = 33, name = "house_up", sprite = "house00", tag = "2;1" }, 18, 1)

-- Route points: each names its holder's id.
place({ type = "cNode", id = 40, name = "home_door_a", data = 30 }, 5, 1)
place({ type = "cNode", id = 41, name = "home_door_b", data = 30 }, 5, 2)
place({ type = "cNode", id = 42, name = "house_new_door", data = 31 }, 8, 0)
place({ type = "cNode", id = 43, name = "house_up_door", data = 33 }, 18, 0)
place({ type = "cNode", id = 44, name = "well_stand", data = 6 }, 13, 11)

-- The ground, top row first: '.' free, '1' rough (slow), '~' the river, '#' rock.
local map = {
  "......................",
  "......................",
  "......................",
  "...........11.........",
  "...........11.........",
  "......................",
  "......................",
  "......................",
  "....................##",
  "~~~~~~~~~~~~~~~~~~~~~~",
  "......................",
  "......................",
  "......................",
  "......................",
  "......................",
  "......................",
}
local costOf = { ["."] = 0, ["1"] = 0.7, ["~"] = -1, ["#"] = -1 }

local width, height = #map[1], #map
local cells = {}
for x = 1, width do
  for y = 0, height - 1 do
    local row = map[height - y]
    cells[#cells + 1] = costOf[row:sub(x, x)]
  end
end
grid { width = width, height = height, cells = cells }
