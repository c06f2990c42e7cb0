-- A source that never ends: the level tool must stop it at the script budget.
level { name = "loop", version = 100 }
while true do end
