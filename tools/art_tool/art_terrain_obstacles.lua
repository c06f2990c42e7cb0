-- The play levels' water, rock and woods, for the painter of their ground
-- (art_terrain.lua): terrain_water, terrain_rocks and terrain_woods answer the
-- drawing operations of every cell of their mark.
--
-- They stay on their own cells, so an open cell beside them (where a worker walks,
-- a field lies or a house stands) shows ground, not a brook's edge. Water is the
-- union of rounded blocks of its cells with discs along its outer sides whose depth
-- varies (the edge wanders as a bank does, and the outer corners come out round, so
-- a brook or a pond never reads as squares); boulders, crowns and shines are fitted
-- to the cells that are no open ground, shrunk where they would reach one.

-- The marks of open ground: nothing but ground may show there.
local kOpenMarks = { ["."] = true, ["="] = true, [":"] = true, ["%"] = true, ["_"] = true }
local kSteps = { { 1, 0 }, { 0, 1 }, { -1, 0 }, { 0, -1 } }
-- Pixels a shape's edge may stray into an open cell: its anti-aliased rim.
local kEdgeSlack = 1.5

-- The rounded block of cells x0..x1, y0..y1: its sides moved in by inset pixels
-- (out where negative), its corners rounded by radius. A convex shape grown by a
-- radius is the shape with a round stroke along its sides.
local function rounded_block(ops, g, b, inset, radius, colour)
  local ea, eb = (inset + radius) / g.across_u, (inset + radius) / g.across_v
  local corners = {}
  for _, c in ipairs({ { b[1] + ea, b[2] + eb }, { b[3] + 1 - ea, b[2] + eb }, { b[3] + 1 - ea, b[4] + 1 - eb },
                       { b[1] + ea, b[4] + 1 - eb } }) do
    local px, py = g.point(c[1], c[2])
    corners[#corners + 1] = { px, py }
  end
  ops[#ops + 1] = poly{ points = flat(corners), fill = colour }
  for i = 1, 4 do
    local p, q = corners[i], corners[i % 4 + 1]
    ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = q[1], y2 = q[2], width = radius * 2, color = colour }
  end
end

-- Blocks { x0, y0, x1, y1 } whose union is every cell of the set: each 2 x 2
-- square of its cells, each pair of neighbours that no square holds, each cell
-- that no pair holds (the rounded blocks leave no gap at a shared side or corner).
local function blocks_of(cells, in_set)
  local blocks, paired, squared = {}, {}, {}
  local function key(x, y) return x .. "," .. y end
  for _, c in ipairs(cells) do
    if in_set(c.x + 1, c.y) and in_set(c.x, c.y + 1) and in_set(c.x + 1, c.y + 1) then
      blocks[#blocks + 1] = { c.x, c.y, c.x + 1, c.y + 1 }
      for _, pair in ipairs({ { 0, 0, 1, 0 }, { 0, 1, 1, 1 }, { 0, 0, 0, 1 }, { 1, 0, 1, 1 } }) do
        squared[key(c.x + pair[1], c.y + pair[2]) .. ">" .. key(c.x + pair[3], c.y + pair[4])] = true
      end
    end
  end
  for _, c in ipairs(cells) do
    for _, step in ipairs({ { 1, 0 }, { 0, 1 } }) do
      local nx, ny = c.x + step[1], c.y + step[2]
      if in_set(nx, ny) then
        paired[key(c.x, c.y)], paired[key(nx, ny)] = true, true
        if not squared[key(c.x, c.y) .. ">" .. key(nx, ny)] then blocks[#blocks + 1] = { c.x, c.y, nx, ny } end
      end
    end
  end
  for _, c in ipairs(cells) do
    if not paired[key(c.x, c.y)] then blocks[#blocks + 1] = { c.x, c.y, c.x, c.y } end
  end
  return blocks
end

-- Whether a picture point lies on no open cell.
local function off_open(g, mark, px, py)
  local a, b = g.cell_of(px, py)
  return not kOpenMarks[mark(math.floor(a), math.floor(b))]
end

-- The largest share (down to min) of an ellipse's radii at which its rim, less the
-- slack, lies on no open cell; nil when even that share reaches one.
local function fit(g, mark, cx, cy, rx, ry, min)
  local share = 1
  while share >= (min or 0.4) do
    local ok = off_open(g, mark, cx, cy)
    for k = 0, 15 do
      local angle = k * math.pi / 8
      local x = cx + math.cos(angle) * math.max(rx * share - kEdgeSlack, 0)
      local y = cy + math.sin(angle) * math.max(ry * share - kEdgeSlack, 0)
      ok = ok and off_open(g, mark, x, y)
    end
    if ok then return share end
    share = share - 0.1
  end
  return nil
end

-- The cells of a mark, with the cells outside the level area that a run of them
-- leads on to (a brook runs on past the edge of the picture).
local function with_run_off(list, mark, symbol)
  local cells, extra = {}, {}
  for _, c in ipairs(list[symbol] or {}) do
    cells[#cells + 1] = c
    for _, step in ipairs(kSteps) do
      local nx, ny = c.x + step[1], c.y + step[2]
      local k = nx .. "," .. ny
      if mark(nx, ny) == " " and mark(c.x - step[1], c.y - step[2]) == symbol and not extra[k] then
        extra[k] = true
        cells[#cells + 1] = { x = nx, y = ny }
      end
    end
  end
  local function in_set(x, y) return mark(x, y) == symbol or extra[x .. "," .. y] == true end
  return cells, in_set
end

local function neighbours(mark, x, y, symbol)
  local count = 0
  for _, step in ipairs(kSteps) do count = count + (mark(x + step[1], y + step[2]) == symbol and 1 or 0) end
  return count
end

-- Whether a picture point lies on a cell of the set.
local function on_set(g, in_set, px, py)
  local a, b = g.cell_of(px, py)
  return in_set(math.floor(a), math.floor(b))
end

-- The largest share (down to 0.4) of a disc's radius at which it lies on the set's
-- cells; nil when even that reaches off them.
local function fit_disc(g, in_set, cx, cy, r)
  local share = 1
  while share >= 0.4 do
    local ok = on_set(g, in_set, cx, cy)
    for k = 0, 15 do
      local angle = k * math.pi / 8
      local reach = math.max(r * share - kEdgeSlack, 0)
      ok = ok and on_set(g, in_set, cx + math.cos(angle) * reach, cy + math.sin(angle) * reach)
    end
    if ok then return share end
    share = share - 0.1
  end
  return nil
end

-- Discs along the outer sides of the set's cells, each just inside its side by a
-- few pixels that vary, so the edge wanders as a bank does instead of running as
-- ruled lines; fitted to the set, so they round its outer corners.
local function edge_discs(cells, in_set, g, rnd, radius, spread)
  local discs = {}
  for _, c in ipairs(cells) do
    for _, side in ipairs({ { 1, 0, 1, 0, 1, 1 }, { 0, 1, 0, 1, 1, 1 }, { -1, 0, 0, 0, 0, 1 }, { 0, -1, 0, 0, 1, 0 } }) do
      if not in_set(c.x + side[1], c.y + side[2]) then
        local ax, ay = g.point(c.x + side[3], c.y + side[4])
        local bx, by = g.point(c.x + side[5], c.y + side[6])
        local mx, my = g.centre(c.x, c.y)
        local length = math.sqrt((bx - ax) ^ 2 + (by - ay) ^ 2)
        -- The side's normal, pointing into the cell.
        local nx, ny = (by - ay) / length, -(bx - ax) / length
        if (mx - ax) * nx + (my - ay) * ny < 0 then nx, ny = -nx, -ny end
        for k = 0, 3 do
          local t = (k + 0.5) / 4
          local r = radius * (0.8 + 0.2 * rnd())
          local depth = r + rnd() * spread
          local cx, cy = ax + (bx - ax) * t + nx * depth, ay + (by - ay) * t + ny * depth
          local share = fit_disc(g, in_set, cx, cy, r)
          if share then discs[#discs + 1] = { cx, cy, r * share } end
        end
      end
    end
  end
  return discs
end

-- Water: the water within its cells, its edge wandering a few pixels inside their
-- sides, a dark rim, a damp bank of dark grass reaching a few pixels over, the
-- current along brooks, a shine on ponds and ripples.
function terrain_water(list, g, mark, pal, rnd)
  local cells, in_set = with_run_off(list, mark, "~")
  local discs = edge_discs(cells, in_set, g, rnd, 19, 5)
  local ops = {}
  for _, pass in ipairs({ { 3, pal.grass.dark }, { 0, pal.water.dark }, { -3.5, pal.water.base } }) do
    for _, d in ipairs(discs) do ops[#ops + 1] = circle{ cx = d[1], cy = d[2], r = d[3] + pass[1], fill = pass[2] } end
  end
  for _, b in ipairs(blocks_of(cells, in_set)) do rounded_block(ops, g, b, 9, 10, pal.water.base) end
  for _, c in ipairs(list["~"] or {}) do
    for _, step in ipairs(kSteps) do
      local nx, ny = c.x + step[1], c.y + step[2]
      local brook = neighbours(mark, c.x, c.y, "~") <= 2 and (not in_set(nx, ny) or neighbours(mark, nx, ny, "~") <= 2)
      if in_set(nx, ny) and (step[1] + step[2] > 0 or mark(nx, ny) == " ") and brook then
        local x2, y2 = g.centre(nx, ny)
        ops[#ops + 1] = line{ x1 = c.cx, y1 = c.cy, x2 = x2, y2 = y2, width = 12, color = pal.water.light .. "80" }
      end
    end
  end
  for _, c in ipairs(list["~"] or {}) do
    if neighbours(mark, c.x, c.y, "~") >= 3 then
      local share = fit(g, mark, c.cx - 3, c.cy - 2, 18, 10)
      if share then
        ops[#ops + 1] = ellipse{ cx = c.cx - 3, cy = c.cy - 2, rx = 18 * share, ry = 10 * share,
                                 fill = pal.water.light .. "50" }
      end
    end
  end
  for _, c in ipairs(list["~"] or {}) do
    local x, y = c.cx + (rnd() - 0.5) * 16, c.cy + (rnd() - 0.5) * 12
    if not fit(g, mark, x, y, 8, 2, 1) then x, y = c.cx, c.cy end
    ops[#ops + 1] = line{ x1 = x - 5, y1 = y, x2 = x + 5, y2 = y, width = 2, color = pal.water.light }
  end
  return ops
end

-- An ellipse fitted to the cells that are no open ground, with its outline and an
-- optional light dab; nothing when it does not fit at all.
local function fitted_ellipse(ops, g, mark, cx, cy, rx, ry, fill, outline, light)
  local share = fit(g, mark, cx, cy, rx, ry)
  if not share then return end
  ops[#ops + 1] = ellipse{ cx = cx, cy = cy, rx = rx * share, ry = ry * share, fill = fill, outline = outline, width = 3 }
  if light then
    ops[#ops + 1] = ellipse{ cx = cx - rx * share * 0.3, cy = cy - ry * share * 0.35, rx = rx * share * 0.35,
                             ry = ry * share * 0.3, fill = light }
  end
end

-- Rock: boulders within the cells, one on each side two rock cells share and one
-- on each corner four share, so a wall reads as one ridge of stones and a block as
-- one heap.
function terrain_rocks(list, g, mark, pal, season, rnd)
  local cells = list["^"] or {}
  local ops = {}
  local stones = {}
  for i, c in ipairs(cells) do
    local jx, jy = (rnd() - 0.5) * 5, (rnd() - 0.5) * 4
    local side = (i % 2 == 0) and 1 or -1
    stones[#stones + 1] = { c.cx + side * 13, c.cy - 6, 12, 9 }
    stones[#stones + 1] = { c.cx + jx, c.cy + jy, 20, 14, true }
    for _, step in ipairs({ { 1, 0 }, { 0, 1 } }) do
      if mark(c.x + step[1], c.y + step[2]) == "^" then
        local x, y = g.point(c.x + 0.5 + step[1] * 0.5, c.y + 0.5 + step[2] * 0.5)
        stones[#stones + 1] = { x, y - 2, 14 + rnd() * 3, 10 + rnd() * 2 }
      end
    end
    if mark(c.x + 1, c.y) == "^" and mark(c.x, c.y + 1) == "^" and mark(c.x + 1, c.y + 1) == "^" then
      local x, y = g.point(c.x + 1, c.y + 1)
      stones[#stones + 1] = { x, y - 2, 22, 15, true }
    end
  end
  table.sort(stones, function(a, b) return a[2] < b[2] end)
  for _, s in ipairs(stones) do
    local share = fit(g, mark, s[1] + 3, s[2] + 5, s[3], s[4] * 0.8)
    if share then
      ops[#ops + 1] = ellipse{ cx = s[1] + 3, cy = s[2] + 5, rx = s[3] * share, ry = s[4] * 0.8 * share, fill = "#00000030" }
    end
  end
  for _, s in ipairs(stones) do
    fitted_ellipse(ops, g, mark, s[1], s[2], s[3], s[4], pal.rock.base, pal.rock.dark, pal.rock.light)
    if season == "snow" and s[5] then
      local share = fit(g, mark, s[1], s[2] - 8, 12, 4)
      if share then
        ops[#ops + 1] = ellipse{ cx = s[1], cy = s[2] - 8, rx = 12 * share, ry = 4 * share, fill = pal.grass.light }
      end
    end
  end
  return ops
end

local function crown(ops, g, mark, x, y, r, pal)
  fitted_ellipse(ops, g, mark, x, y, r, r, pal.woods.base, pal.woods.dark, pal.woods.light)
end

-- A fir of the given size, scaled down until its tiers keep off open cells.
local function fir(ops, g, mark, x, y, size, pal)
  for _ = 1, 6 do
    local points = { x - size, y + size * 0.6, x, y - size * 1.9, x + size, y + size * 0.6 }
    local ok = true
    for i = 1, #points, 2 do ok = ok and off_open(g, mark, points[i], points[i + 1]) end
    if ok then
      ops[#ops + 1] = rect{ x = x - 3, y = y + size * 0.55, w = 6, h = size * 0.3, fill = pal.soil.dark }
      ops[#ops + 1] = poly{ points = points, fill = pal.woods.base, outline = pal.woods.dark, width = 3 }
      ops[#ops + 1] = poly{ points = { x - size * 0.35, y - size * 1.0, x, y - size * 1.9, x + size * 0.35,
                                       y - size * 1.0 }, fill = pal.grass.light }
      return
    end
    size = size * 0.85
  end
end

-- Woods: crowns (firs in the snow) fitted to the cells that are no open ground.
function terrain_woods(list, g, mark, pal, season, rnd)
  local cells = list["T"] or {}
  local ops = {}
  for _, c in ipairs(cells) do
    local jx, jy = (rnd() - 0.5) * 5, (rnd() - 0.5) * 4
    if season == "snow" then
      fir(ops, g, mark, c.cx - 14, c.cy - 8, 13, pal)
      fir(ops, g, mark, c.cx + 14, c.cy - 10, 12, pal)
      fir(ops, g, mark, c.cx + jx, c.cy + jy, 19, pal)
    else
      crown(ops, g, mark, c.cx - 15, c.cy - 14, 17, pal)
      crown(ops, g, mark, c.cx + 15, c.cy - 15, 16, pal)
      crown(ops, g, mark, c.cx + jx, c.cy - 4 + jy, 21, pal)
    end
  end
  return ops
end

