// Manifest helpers, in Lua so that the manifest can lay out frames with the same
// functions the tool uses.
#include "prelude.h"

const char* const kManifestPrelude = R"lua(
textures = {}

local function shape(name)
  return function(t) t.op = name; return t end
end
rect = shape("rect")
circle = shape("circle")
ellipse = shape("ellipse")
ring = shape("ring")
poly = shape("poly")
star = shape("star")
line = shape("line")
gradient = shape("gradient")
glow = shape("glow")
frame = shape("frame")
label = shape("label")
group = shape("group")
speckle = shape("speckle")

-- Moves a recipe (or one shape) by dx, dy.
function moved(dx, dy, ops)
  if ops.op then ops = { ops } end
  return group{ dx = dx, dy = dy, ops = ops }
end

-- A sprite of count frames of w x h laid out in rows of columns, from (x, y).
-- draw(i, s) gives the recipe of frame i (0-based) in the frame's own
-- coordinates; hx, hy is the hot spot from the frame's top-left (its centre when
-- not given).
function strip(s) s.count = s.count or 1; return s end

function texture(t)
  t.draw = t.draw or {}
  t.sprites = t.sprites or {}
  for _, s in ipairs(t.strips or {}) do
    local columns = s.columns or s.count
    local frames = {}
    for i = 0, s.count - 1 do
      local x = (s.x or 0) + (i % columns) * s.w
      local y = (s.y or 0) + math.floor(i / columns) * s.h
      if s.draw then
        t.draw[#t.draw + 1] = group{ dx = x, dy = y, clip = { 0, 0, s.w, s.h }, ops = s.draw(i, s) }
      end
      frames[#frames + 1] = { x = x, y = y, w = s.w, h = s.h, hx = s.hx or s.w / 2, hy = s.hy or s.h / 2 }
    end
    t.sprites[#t.sprites + 1] = { name = s.name, fps = s.fps or 0, note = s.note, frames = frames }
  end
  if #t.sprites == 0 and not t.plain then
    local w, h = t.size[1], t.size[2]
    local name = string.match(t.path, "([^/]+)$")
    t.sprites[1] = { name = name, fps = 0, frames = { { x = 0, y = 0, w = w, h = h, hx = t.hx or w / 2, hy = t.hy or h / 2 } } }
  end
  textures[#textures + 1] = t
  return t
end

function include(name)
  dofile(manifest_folder .. "/" .. name)
end
)lua";
