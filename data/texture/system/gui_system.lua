-- Sprites of the texture "gui_system" (256 x 256). Made by tools/art_tool; edit its manifest.

-- button: 4 cells stacked (normal, pressed, hovered, disabled); nine-slice border 10 px = 0.0390625 u, 0.0390625 v
addTextureInfoExNodes(createTextureInfoEx("gui_button"), "gui_system", {
  { u = 0, v = 0.875, cu = 0.375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 32 },
  { u = 0, v = 0.75, cu = 0.375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 32 },
  { u = 0, v = 0.625, cu = 0.375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 32 },
  { u = 0, v = 0.5, cu = 0.375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 32 },
}, 0)

-- check box: 2 x 2 cells (columns normal, hovered; rows unchecked, checked); the UV rectangle is the first cell
addTextureInfoExNodes(createTextureInfoEx("gui_checkbox"), "gui_system", {
  { u = 0.375, v = 0.875, cu = 0.125, cv = 0.125, dx = 16, dy = 16, w = 32, h = 32 },
  { u = 0.5, v = 0.875, cu = 0.125, cv = 0.125, dx = 16, dy = 16, w = 32, h = 32 },
  { u = 0.375, v = 0.75, cu = 0.125, cv = 0.125, dx = 16, dy = 16, w = 32, h = 32 },
  { u = 0.5, v = 0.75, cu = 0.125, cv = 0.125, dx = 16, dy = 16, w = 32, h = 32 },
}, 0)

-- horizontal slider track: normal above hovered; nine-slice border 6 px = 0.0234375 u, v
addTextureInfoExNodes(createTextureInfoEx("gui_slider_track"), "gui_system", {
  { u = 0.625, v = 0.9375, cu = 0.25, cv = 0.0625, dx = 32, dy = 8, w = 64, h = 16 },
  { u = 0.625, v = 0.875, cu = 0.25, cv = 0.0625, dx = 32, dy = 8, w = 64, h = 16 },
}, 0)

-- vertical slider track: normal left of hovered; nine-slice border 6 px
addTextureInfoExNodes(createTextureInfoEx("gui_slider_track_v"), "gui_system", {
  { u = 0.875, v = 0.75, cu = 0.0625, cv = 0.25, dx = 8, dy = 32, w = 16, h = 64 },
  { u = 0.9375, v = 0.75, cu = 0.0625, cv = 0.25, dx = 8, dy = 32, w = 16, h = 64 },
}, 0)

-- edit field: nine-slice border 8 px = 0.03125 u, v
addTextureInfoExNodes(createTextureInfoEx("gui_edit"), "gui_system", {
  { u = 0.625, v = 0.75, cu = 0.25, cv = 0.125, dx = 32, dy = 16, w = 64, h = 32 },
}, 0)

-- slider thumb: normal left of hovered
addTextureInfoExNodes(createTextureInfoEx("gui_slider_thumb"), "gui_system", {
  { u = 0.375, v = 0.65625, cu = 0.09375, cv = 0.09375, dx = 12, dy = 12, w = 24, h = 24 },
  { u = 0.46875, v = 0.65625, cu = 0.09375, cv = 0.09375, dx = 12, dy = 12, w = 24, h = 24 },
}, 0)

-- list selection: nine-slice border 6 px = 0.0234375 u, v
addTextureInfoExNodes(createTextureInfoEx("gui_list_selection"), "gui_system", {
  { u = 0.625, v = 0.65625, cu = 0.25, cv = 0.09375, dx = 32, dy = 12, w = 64, h = 24 },
}, 0)

-- progress bar background: nine-slice border 6 px
addTextureInfoExNodes(createTextureInfoEx("gui_progress_back"), "gui_system", {
  { u = 0.375, v = 0.59375, cu = 0.25, cv = 0.0625, dx = 32, dy = 8, w = 64, h = 16 },
}, 0)

-- progress bar fill: grows from the left over the background
addTextureInfoExNodes(createTextureInfoEx("gui_progress_bar"), "gui_system", {
  { u = 0.625, v = 0.59375, cu = 0.25, cv = 0.0625, dx = 32, dy = 8, w = 64, h = 16 },
}, 0)

-- caption / tooltip panel: nine-slice border 8 px
addTextureInfoExNodes(createTextureInfoEx("gui_caption"), "gui_system", {
  { u = 0.875, v = 0.625, cu = 0.125, cv = 0.125, dx = 16, dy = 16, w = 32, h = 32 },
}, 0)

-- window panel: nine-slice border 24 px = 0.09375 u, v
addTextureInfoExNodes(createTextureInfoEx("gui_panel"), "gui_system", {
  { u = 0, v = 0, cu = 0.5, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

-- title bar: nine-slice border 16 px = 0.0625 u, v
addTextureInfoExNodes(createTextureInfoEx("gui_title"), "gui_system", {
  { u = 0.5, v = 0.3125, cu = 0.5, cv = 0.1875, dx = 64, dy = 24, w = 128, h = 48 },
}, 0)

-- separator line
addTextureInfoExNodes(createTextureInfoEx("gui_separator"), "gui_system", {
  { u = 0.5, v = 0.28125, cu = 0.5, cv = 0.03125, dx = 64, dy = 4, w = 128, h = 8 },
}, 0)

-- hollow frame (draw without centre): nine-slice border 12 px = 0.046875 u, v
addTextureInfoExNodes(createTextureInfoEx("gui_frame"), "gui_system", {
  { u = 0.5, v = 0.03125, cu = 0.25, cv = 0.25, dx = 32, dy = 32, w = 64, h = 64 },
}, 0)

-- The fonts of the first windows, needed before any locale is chosen.
updateTextures("{StaticPath}/font/en")
