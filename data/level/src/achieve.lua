-- The achievements screen's scene: the background and one tile per achievement, six
-- to a row, in the order of the game's achievement list.
-- Compile: level_tool compile data/level/src/achieve.lua data/level/achieve.lvl

level { name = "achieve", version = 100 }

-- The background pictures are found by the level name ("achieve_0" to "achieve_3").
object { type = "cBack", id = 1, name = "back" }

local achievements = {
  "stone_barrier", "wood_barrier", "mana_well", "goblin", "finish_well", "witch",
  "tomatoes", "wood", "money", "mana", "bell", "ice_block",
  "fast_find", "less_fire", "tank", "gravik", "advisor", "prison",
  "shield", "in_love", "ruins", "no_tower", "succubus", "gold_cup",
  "silver_cup", "bronze_cup", "skeleton", "no_mill", "wheat", "no_speed",
}
local columns = 6
local centreX, spacingX = 512, 150
local top, spacingY = 596, 124
for i, id in ipairs(achievements) do
  local index = i - 1
  local column = index % columns
  local row = math.floor(index / columns)
  local name = "achieve_" .. id
  object { type = "cAchieve", id = 1 + i, layer = 5, name = name, sprite = name,
           x = centreX + (column - (columns - 1) / 2) * spacingX, y = top - row * spacingY }
end
