-- Sprites of the texture "cursor_pointer" (32 x 32). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("cursor_pointer"), "cursor_pointer", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 0, dy = 32, w = 32, h = 32 },
}, 0)
