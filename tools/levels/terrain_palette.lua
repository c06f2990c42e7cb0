-- The colours of the play levels' painted ground, by season: the art tool paints
-- with them (tools/art_tool/art_back.lua) and the level checks read them back
-- (tests/game/level_terrain_test.cpp), so a cell's colour tells whether it is open
-- ground or an obstacle. Every family has a base, a light and a dark shade; the
-- families of one season keep well apart, so shading and anti-aliasing never make
-- one look like another. The sky is no family: it never shows at a cell's centre.
return {
  ground = { "grass", "dirt", "soil" },
  obstacle = { "water", "rock", "woods" },
  summer = {
    grass = { base = "#7cbf4a", light = "#8fcc5c", dark = "#68aa3c" },
    dirt = { base = "#c8a870", light = "#d8bc88", dark = "#a08050" },
    soil = { base = "#8a5a32", light = "#9c6c40", dark = "#6a4222" },
    water = { base = "#4a90d8", light = "#7ab8f0", dark = "#2a5a98" },
    rock = { base = "#9aa0a8", light = "#bcc2c8", dark = "#5a6068" },
    woods = { base = "#2f6a2a", light = "#3f8034", dark = "#1c4418" },
    sky = { top = "#7ab0e8", bottom = "#e0f0ff", hill = "#9ad06a" },
  },
  -- Rain: wet, lush green ground and dark, soaked earth under a grey sky.
  rain = {
    grass = { base = "#5aaa3c", light = "#6cbc4a", dark = "#4a922e" },
    dirt = { base = "#a88858", light = "#b89868", dark = "#806038" },
    soil = { base = "#6a4428", light = "#7a5434", dark = "#4e2e16" },
    water = { base = "#3a80c8", light = "#68a8e0", dark = "#1e4a80" },
    rock = { base = "#7e868e", light = "#9aa2aa", dark = "#4a5058" },
    woods = { base = "#1e5222", light = "#28602c", dark = "#103214" },
    sky = { top = "#7890a8", bottom = "#c8d4dc", hill = "#6aa04a" },
  },
  -- Snow: the open ground lies white, paths are trodden snow, the water stays open
  -- and dark, the woods are firs.
  snow = {
    grass = { base = "#e8eef4", light = "#f8fbff", dark = "#cfd9e4" },
    dirt = { base = "#c4b49c", light = "#d4c6b0", dark = "#a09078" },
    soil = { base = "#8a7660", light = "#9a8872", dark = "#6a5644" },
    water = { base = "#3a6a9a", light = "#5a8ab8", dark = "#1c3c5e" },
    rock = { base = "#7a8088", light = "#9aa2aa", dark = "#4a5058" },
    woods = { base = "#2a5a48", light = "#3a7058", dark = "#183a2e" },
    sky = { top = "#a8bcd0", bottom = "#eef2f6", hill = "#dfe8f0" },
  },
}
