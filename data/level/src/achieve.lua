-- The achievements screen's scene: the background only. The screen builds its wall
-- and one plaque per achievement of the game's list when the scene holds none.
-- Compile: level_tool compile data/level/src/achieve.lua data/level/achieve.lvl

level { name = "achieve", version = 100 }

-- The background pictures are found by the level name ("achieve_0" to "achieve_3").
-- In the wall's layer and before it, so the wall stacked over it stays in front.
object { type = "cBack", id = 1, layer = 0, name = "back" }
