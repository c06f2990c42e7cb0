-- Sprites of the texture "speech_hero_face" (256 x 256). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("speech_hero_face"), "speech_hero_face", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 128, dy = 128, w = 256, h = 256 },
}, 0)
