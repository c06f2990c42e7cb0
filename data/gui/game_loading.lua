-- The "loading" window: the loading picture on its frame, the progress dial and the
-- name of the file being loaded. The window function picks the picture for
-- "image" each time the window opens; the loading screen feeds "progress" and
-- "label".

function FillWindow(wnd)
  local base = createImageCtrl(wnd, "base")
  setCtrlTexture(base, "loading_base")
  -- the picture is the top 512 x 384 of the texture
  setCtrlUVRect(base, { x = 0, y = 0.25, w = 1, h = 0.75 })
  setCtrlRect(base, { x = 0, y = 0, w = 1024, h = 768 })

  local image = createImageCtrl(wnd, "image")
  setCtrlRect(image, { x = 384, y = 296, w = 256, h = 256 })

  local progress = createProgressBarSysCtrl(wnd, "progress")
  setCtrlTexture(progress, "loading_progress")
  setCtrlUVRect(progress, { x = 0, y = 0, w = 1, h = 1 })
  setCtrlRect(progress, { x = 472, y = 160, w = 80, h = 80 })

  local label = createLabelCtrl(wnd, "label")
  setCtrlFont(label, "a_fontsystem9")
  setCtrlAlign(label, align.Center + align.Middle)
  setCtrlColor(label, 0.9, 0.9, 0.8)
  setCtrlRect(label, { x = 0, y = 112, w = 1024, h = 24 })
end
