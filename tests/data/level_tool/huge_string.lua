-- A source asking for a string of a gigabyte: the level tool must refuse it at the
-- memory limit, long before it holds the gigabyte.
level { name = "huge_string", version = 100 }
local s = string.rep("x", 2 ^ 30)
