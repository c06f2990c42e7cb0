-- Sprites of the texture "speech_gravik_face" (256 x 256). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("speech_gravik_face"), "speech_gravik_face", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 128, dy = 128, w = 256, h = 256 },
}, 0)
