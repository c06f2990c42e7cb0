-- Shared palette and helpers of the art manifests.
palette = {
  ink = "#1b1f2a", paper = "#f4ecd8", white = "#ffffff", shadow = "#00000060",
  gold = "#f2c230", gold_dark = "#9a6c10", silver = "#cfd6de", silver_dark = "#6e7884",
  bronze = "#d08a4a", bronze_dark = "#7a4420", red = "#d8403a", red_dark = "#7c1c18",
  blue = "#3a78c8", blue_dark = "#1c3c6e", green = "#4caf50", green_dark = "#1f5e24",
  yellow = "#f6d743", orange = "#f08c2a", purple = "#8a5cc8", teal = "#2aa6a0",
  sky = "#8fc7ef", grass = "#7cbf4a", brown = "#8a5a32", stone = "#9aa0a8",
}

-- A whole-picture texture with one sprite of its own name (hot spot in the centre).
function picture(path, w, h, draw, extra)
  local t = { path = path, size = { w, h }, draw = draw }
  for k, v in pairs(extra or {}) do t[k] = v end
  return texture(t)
end

-- A medal: a coin with a ribbon, in a metal's two colours.
function medal(cx, cy, r, light, dark, text)
  return {
    poly{ points = { cx - r * 0.6, cy - r * 1.9, cx - r * 0.1, cy - r * 1.9, cx + r * 0.15, cy - r * 0.6, cx - r * 0.35, cy - r * 0.6 }, fill = palette.red, outline = palette.red_dark },
    poly{ points = { cx + r * 0.6, cy - r * 1.9, cx + r * 0.1, cy - r * 1.9, cx - r * 0.15, cy - r * 0.6, cx + r * 0.35, cy - r * 0.6 }, fill = palette.blue, outline = palette.blue_dark },
    circle{ cx = cx, cy = cy, r = r, fill = light, outline = dark, width = math.max(2, r / 8) },
    star{ cx = cx, cy = cy, r = r * 0.55, fill = dark },
    label{ x = cx, y = cy + r * 0.05, text = text or "", align = "center", valign = "middle", scale = math.max(1, math.floor(r / 14)), color = light },
  }
end

-- Joins recipe lists into one.
function join(...)
  local out = {}
  for _, list in ipairs({ ... }) do
    if list.op then out[#out + 1] = list else for _, op in ipairs(list) do out[#out + 1] = op end end
  end
  return out
end

-- The level's path grid as a picture shows it (y down): cells of 48 units, the
-- first axis 15 degrees below the horizontal, the second 45 degrees above it.
grid_u = { 48 * math.cos(math.rad(15)), 48 * math.sin(math.rad(15)) }
grid_v = { 48 * math.cos(math.rad(45)), -48 * math.sin(math.rad(45)) }

-- The picture point a cells along the first axis and b along the second from
-- (cx, cy), raised by up pixels; answered as a pair { x, y }.
function grid_point(cx, cy, a, b, up)
  return { cx + a * grid_u[1] + b * grid_v[1], cy + a * grid_u[2] + b * grid_v[2] - (up or 0) }
end

-- A list of pairs { x, y } as the flat coordinate list that poly takes.
function flat(pairs)
  local out = {}
  for _, p in ipairs(pairs) do out[#out + 1] = p[1]; out[#out + 1] = p[2] end
  return out
end

-- A pair moved up (or down, for negative amounts) by the given pixels.
function raised(p, up) return { p[1], p[2] - up } end

-- The point a share t of the way from p to q.
function between(p, q, t) return { p[1] + (q[1] - p[1]) * t, p[2] + (q[2] - p[2]) * t } end
