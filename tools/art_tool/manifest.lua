-- The game's placeholder textures, one file per folder of data/texture.
-- Coordinates are pixels from a picture's (or frame's) top-left corner, y down;
-- colours are "#RRGGBB" or "#RRGGBBAA". A texture without sprites or strips gets
-- one whole-picture sprite named after its file, unless it is marked plain.
include("art_common.lua")
include("art_system.lua")
include("art_splash.lua")
include("art_gui.lua")
include("art_windows.lua")
include("art_particles.lua")
include("art_map.lua")
include("art_achieve.lua")
include("art_editor.lua")
include("art_animals.lua")
include("art_back.lua")
include("art_comics.lua")
include("art_objects.lua")
include("art_buildings.lua")
include("art_workers.lua")
include("art_plants_altars.lua")
include("art_enemies.lua")
include("art_heroes_towers.lua")
