-- The "level" window: the head-up display of a level. Along the top: the four stock
-- counters, each after its resource icon, the clock and the time bar, and the
-- day/night dial with its pictures. At the top right: three task rows, each a frame (hovering it opens
-- the task's tooltip) with its icon and two texts. At the bottom right: the menu
-- button that opens the pause menu.

local skin = "gui_system"
local captionCell = { x = 0.875, y = 0.625, w = 0.125, h = 0.125 }
local captionBorder = 8 / 256
local titleCell = { x = 0.5, y = 0.3125, w = 0.5, h = 0.1875 }
local titleBorder = 16 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local progressBackCell = { x = 0.375, y = 0.59375, w = 0.25, h = 0.0625 }
local progressCell = { x = 0.625, y = 0.59375, w = 0.25, h = 0.0625 }
local barBorder = 6 / 256
local top = 768 - 8 - 44
local whole = { x = 0, y = 0, w = 1, h = 1 }

-- Stock counters in screen order; the icon is the font's glyph of the resource.
local stock = {
  { name = "wood", icon = "\194\189" },
  { name = "food", icon = "\194\188" },
  { name = "money", icon = "\194\190" },
  { name = "mana", icon = "\226\128\176" },
}

local function makeLabel(wnd, name, rect, text, alignment)
  local label = createLabelCtrl(wnd, name)
  setCtrlFont(label, "a_fontsystem14")
  setCtrlAlign(label, alignment or align.Left + align.Middle)
  setCtrlColor(label, 1, 0.97, 0.88)
  setCtrlRect(label, rect)
  setCtrlText(label, text)
  return label
end

local function makeImage(wnd, name, texture, rect)
  local image = createImageCtrl(wnd, name)
  if texture ~= "" then setCtrlTexture(image, texture) end
  setCtrlUVRect(image, whole)
  setCtrlRect(image, rect)
  return image
end

function FillWindow(wnd)
  setWndActive(wnd, true)

  local bar = createFrameCtrl(wnd, "top_bar")
  setCtrlTexture(bar, skin)
  setCtrlUVFrame(bar, titleCell, { x = titleBorder, y = titleBorder })
  setCtrlFrame(bar, { x = 8, y = top, w = 640, h = 44 }, { x = 14, y = 14 })
  ignoreCtrl(bar, true)

  for i, entry in ipairs(stock) do
    local x = 24 + (i - 1) * 110
    ignoreCtrl(makeLabel(wnd, entry.name .. "_icon", { x = x, y = top, w = 24, h = 44 }, entry.icon,
                         align.Center + align.Middle), true)
    ignoreCtrl(makeLabel(wnd, entry.name, { x = x + 28, y = top, w = 76, h = 44 }, "0"), true)
  end

  -- The clock beside the time bar; the level's time warnings burst from it.
  ignoreCtrl(makeImage(wnd, "spin", "spin", { x = 462, y = top + 4, w = 36, h = 36 }), true)
  local timeRect = { x = 500, y = top + 14, w = 92, h = 16 }
  local timeBack = createFrameCtrl(wnd, "time_back")
  setCtrlTexture(timeBack, skin)
  setCtrlUVFrame(timeBack, progressBackCell, { x = barBorder, y = barBorder })
  setCtrlFrame(timeBack, timeRect, { x = 6, y = 6 })
  ignoreCtrl(timeBack, true)
  local time = createProgressBarSysCtrl(wnd, "time")
  setCtrlTexture(time, skin)
  setCtrlUVRect(time, progressCell)
  setCtrlRect(time, timeRect)
  ignoreCtrl(time, true)

  -- The dial sweeps over the day or night picture; "no_night" stands in on levels
  -- without nights.
  local dialRect = { x = 600, y = top + 2, w = 40, h = 40 }
  ignoreCtrl(makeImage(wnd, "day", "hud_day", dialRect), true)
  ignoreCtrl(makeImage(wnd, "night", "hud_night", dialRect), true)
  ignoreCtrl(makeImage(wnd, "no_night", "hud_no_night", dialRect), true)
  local dial = createProgressBarSysCtrl(wnd, "daynight")
  setCtrlTexture(dial, "hud_dial")
  setCtrlUVRect(dial, whole)
  setCtrlRect(dial, dialRect)
  ignoreCtrl(dial, true)

  for i = 0, 2 do
    local y = top - 6 - (i + 1) * 52
    local frame = createFrameCtrl(wnd, "frame_task" .. i)
    setCtrlTexture(frame, skin)
    setCtrlUVFrame(frame, captionCell, { x = captionBorder, y = captionBorder })
    setCtrlFrame(frame, { x = 808, y = y, w = 208, h = 48 }, { x = 8, y = 8 })
    ignoreCtrl(makeImage(wnd, "image_task" .. i, "", { x = 814, y = y + 6, w = 36, h = 36 }), true)
    local count = makeLabel(wnd, "label_task" .. i .. "0", { x = 854, y = y + 24, w = 154, h = 20 }, "")
    setCtrlColor(count, 0.25, 0.18, 0.1)
    ignoreCtrl(count, true)
    local remain = createLabelCtrl(wnd, "label_task" .. i .. "1")
    setCtrlFont(remain, "a_fontsystem9")
    setCtrlAlign(remain, align.Left + align.Middle)
    setCtrlColor(remain, 0.35, 0.26, 0.16)
    setCtrlRect(remain, { x = 854, y = y + 4, w = 154, h = 20 })
    ignoreCtrl(remain, true)
  end

  local menu = createButtonSysCtrl(wnd, "menu")
  setCtrlTexture(menu, skin)
  setCtrlUVFrame(menu, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(menu, { x = 1024 - 8 - 120, y = 8, w = 120, h = 40 }, { x = 10, y = 10 })
  setCtrlFont(menu, "a_fontsystem14")
  setCtrlAlign(menu, align.Center + align.Middle)
  setCtrlText(menu, "[LevelMenu]")
end
