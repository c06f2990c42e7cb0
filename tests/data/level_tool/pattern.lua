-- A source whose one pattern search would backtrack for longer than anyone waits.
level { name = "pattern", version = 100 }
string.find(string.rep("a", 30), string.rep("a*", 30) .. "b")
