-- A ground description whose row would close its text in the written file and call
-- a program: the level tool must refuse it (see tools/level_tool/CMakeLists.txt).
level { name = "terrain_quote", version = 100 }
terrain {
  name = "terrain_quote", season = "summer", origin = { 0, 0 }, u = { 46, 12 }, v = { 34, -34 },
  rows = { '", os.execute("touch terrain_quote_ran") --' }, paths = {},
}
