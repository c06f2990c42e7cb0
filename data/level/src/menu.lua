-- The main menu's scene: the menu background with a drifting cloud, the sky's
-- flyers and smoke from the cottage chimney. The menu window covers the middle.
-- Compile: level_tool compile data/level/src/menu.lua data/level/menu.lvl

level { name = "menu", version = 100 }

-- The background pictures are found by the level name ("menu_0" to "menu_3").
object { type = "cBack", id = 1, name = "back" }

-- A cloud resting over the hills, bobbing slowly.
object { type = "cDecor", id = 2, layer = 3, name = "cloud_resting",
         sprite = "wave=magic_cloud;0.9;2;0.6;2;0.8;0.035", x = 860, y = 560 }

-- Clouds and birds cross the sky now and then; each waits at its home point.
local flyers = {
  { sprite = "map_cloud0", x = 150, y = 690 },
  { sprite = "magic_cloud", x = 900, y = 650 },
  { sprite = "bird00_lr", x = 300, y = 600 },
  { sprite = "bird01_lr", x = 760, y = 540 },
}
for i, flyer in ipairs(flyers) do
  object { type = "cFlyDecor", id = 2 + i, name = "flyer" .. (i - 1), sprite = flyer.sprite,
           x = flyer.x, y = flyer.y, home_x = flyer.x, home_y = flyer.y }
end

-- Smoke rising from the cottage chimney, and leaves blowing over the meadow.
object { type = "cParticlesDecor", id = 7, layer = 5, name = "chimney_smoke", sprite = "smoke",
         x = 200, y = 545 }
object { type = "cParticlesDecor", id = 8, layer = 5, name = "meadow_leaves", sprite = "leaves=64",
         x = 880, y = 220 }
