-- Level "013": six houses. Four workers build six "house00" sites (max level 0:
-- only level 0 counts) and gather 250 wood besides: the home and its fields stand
-- in the west, the house sites lie ever further east, and the wood stands on the
-- eastern rim beyond a brook, walked round at either end, where a succubus camp
-- charms the fellers now and then (three within half a second:
-- "achieve_succubus"). A skeleton camp among the eastern sites hunts the builders
-- and fellers; the hero beside the home strikes the skeletons down.
-- Compile: level_tool compile data/level/src/level013.lua data/level/level013.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("013")
L.home(7, 13)
L.worker(10, 13, "worker0")
L.worker(8, 10, "worker1")
L.worker(6, 11, "worker2")
L.worker(10, 15, "worker3")
L.figure("cHero", "hero", 10, 11, "hero")
local houses = { { 12, 15 }, { 12, 11 }, { 16, 13 }, { 16, 8 }, { 20, 11 }, { 22, 6 } }
for i, cell in ipairs(houses) do L.house(cell[1], cell[2], "house" .. (i - 1)) end
local fields = { { 10, 9 }, { 9, 17 }, { 7, 16 }, { 4, 13 }, { 12, 9 }, { 12, 7 } }
for i, cell in ipairs(fields) do
  L.field(cell[1], cell[2], "field" .. (i - 1), i % 2 == 0 and "field01" or "field00")
end
T.pond(14, 16, 16, 18)
T.rocks(13, 3, 14, 4)
T.brook(14, 5, 14, 12)
-- The wood east of the brook, on the cells where x - y is a multiple of three: a
-- tree's neighbours in front of it stand a cell and a half aside or two rows down,
-- so no crown hides more than a corner of another. Each tree keeps a free cell
-- above or below it, and the cells just in front of a house site stay open, so no
-- crown hides the site's icon. The 26 trees give 520 wood: 240 for the six houses
-- and the 250 the task asks, with some to spare.
local function beforeSite(x, y)
  for _, h in ipairs(houses) do
    if x >= h[1] and x <= h[1] + 2 and y >= h[2] - 2 and y <= h[2] - 1 then return true end
  end
  return false
end
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
-- Three lattice cells touch a site's plot at its left corner, where the tree would
-- stand on the plot: their trees stand a little further off.
local moved = { [15 * 100 + 12] = { 14, 15 }, [19 * 100 + 10] = { 20, 9 }, [20 * 100 + 5] = { 20, 4 } }
local count = 0
for _, y in ipairs({ 9, 7, 11, 13, 5, 15, 3, 17, 8, 10, 6, 12, 4, 14, 16 }) do
  for x = 27, 15, -1 do
    local open = L.is_free(x, y - 1) or L.is_free(x, y + 1)
    local lattice = (x - y) % 3 == 0
    if lattice and count < 32 and open and not beforeSite(x, y) and L.is_free(x, y) and L.is_clear_of_hud(x, y) then
      local at = moved[x * 100 + y] or { x, y }
      L.tree(at[1], at[2], "tree" .. count, sprites[count % #sprites + 1])
      count = count + 1
    end
  end
end
L.camp("succub", 27, 7, "succub_camp", 90, 3)
L.camp("skeleton", 22, 8, "skeleton_camp", 20, 2)
L.finish()
