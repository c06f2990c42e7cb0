-- What the loading screen loads after the splash, one file per step.
-- Interface, particle and light pictures are decoded at once; the scene pictures
-- only register their files and are decoded when a screen first uses them.

-- Decoded now.
loadTextures("{StaticPath}/texture/system", false)
loadTextures("{StaticPath}/texture/gui", false)
loadTextures("{StaticPath}/texture/particles", false)

-- Decoded on first use.
loadTextures("{StaticPath}/texture/editor", true)
loadTextures("{StaticPath}/texture/achieve", true)
loadTextures("{StaticPath}/texture/animals", true)
loadTextures("{StaticPath}/texture/map", true)
loadTextures("{StaticPath}/texture/menu", true)
loadTextures("{StaticPath}/texture/back", true)
loadTextures("{StaticPath}/texture/objects", true)

-- Interface and game sounds.
loadSounds("{StaticPath}/sound")

-- Music, streamed while it plays.
loadStream("{StaticPath}/music/music0.ogg")
loadStream("{StaticPath}/music/music1.ogg")
loadStream("{StaticPath}/music/music2.ogg")
loadStream("{StaticPath}/music/music3.ogg")
loadStream("{StaticPath}/music/music4.ogg")
loadStream("{StaticPath}/music/music5.ogg")
loadStream("{StaticPath}/music/music6.ogg")
