-- The comics screen's scene: the dark background, the picture frame in the middle
-- and the text under it. The pictures and texts come from the game when a comic
-- starts. Compile: level_tool compile data/level/src/comics.lua data/level/comics.lvl

level { name = "comics", version = 100 }

-- The background pictures are found by the level name ("comics_0" to "comics_3").
object { type = "cBack", id = 1, name = "back" }

object { type = "cComicsFrame", id = 2, layer = 5, name = "frame", x = 512, y = 440 }

-- The tag colours the text: red, green and blue.
object { type = "cComicsText", id = 3, layer = 6, name = "text", tag = "255;244;214", x = 512, y = 140 }
