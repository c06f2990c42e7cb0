-- A source that catches each too complex search and starts the next, for ever.
level { name = "pattern_loop", version = 100 }
local s, costly = string.rep("a", 30), string.rep("a*", 30) .. "b"
while true do pcall(string.find, s, costly) end
