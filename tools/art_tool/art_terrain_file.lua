-- Reading a level's ground file (data/level/terrain/levelNNN.lua) as the data it is.
-- The level tool writes it from the level's source, and a source is not the art
-- tool's own: the file is refused unless it is a regular file within the ground
-- files' size limit (read_ground_file, the tool's own reader) and a plain table of
-- texts and numbers (no call, loop, function or operator, no precompiled chunk); it
-- runs in an empty environment under an instruction limit, and must return a table
-- of exactly the expected shape within bounds.
-- read_terrain_file(path) -> the table; nil when there is no file; raises an error
-- naming the file for anything else.

local kMostInstructions = 1000000
local kLongestName = 32
local kMostRows, kWidestRow = 64, 64
local kMostPaths = 256
local kLargestCoordinate = 4096
local kMarks = " .=:%_~^T"
local kSeasons = { summer = true, rain = true, snow = true }
local kFields = { name = true, season = true, origin = true, u = true, v = true, rows = true, paths = true }

local function refuse(path, message)
  error(path .. ": " .. message .. " (a ground file is data the level tool writes)", 0)
end

-- The chunk's words, one by one: only `return`, names, plain double-quoted texts,
-- decimal numbers, comments to the line's end and the signs { } , = may appear.
-- Without calls, loops and operators the chunk can do nothing but build its table.
local function scan(path, text)
  local i, line, n = 1, 1, #text
  while i <= n do
    local c = text:sub(i, i)
    if c == "\n" then
      line = line + 1
      i = i + 1
    elseif c:match("%s") then
      i = i + 1
    elseif text:sub(i, i + 1) == "--" then
      if text:sub(i + 2, i + 2) == "[" then refuse(path, "a long comment at line " .. line) end
      -- Lua ends a comment at a carriage return as at a line feed: so must the scan,
      -- or what follows a lone CR would run unscanned.
      i = (text:find("[\r\n]", i) or n + 1)
    elseif c == '"' then
      local close = text:find('"', i + 1, true)
      if not close or text:sub(i + 1, close - 1):find("[\\\r\n]") then
        refuse(path, "a text with an escape or unclosed at line " .. line)
      end
      i = close + 1
    elseif c:match("[%a_]") then
      local word = text:match("^[%a_][%w_]*", i)
      local keyword = ({ ["and"] = 1, ["break"] = 1, ["do"] = 1, ["else"] = 1, ["elseif"] = 1, ["end"] = 1,
                         ["false"] = 1, ["for"] = 1, ["function"] = 1, ["if"] = 1, ["in"] = 1, ["local"] = 1,
                         ["nil"] = 1, ["not"] = 1, ["or"] = 1, ["repeat"] = 1, ["then"] = 1, ["true"] = 1,
                         ["until"] = 1, ["while"] = 1 })[word]
      if keyword then refuse(path, "'" .. word .. "' at line " .. line) end
      i = i + #word
    elseif c:match("[%d%-]") then
      local number = text:match("^%-?%d+%.?%d*", i)
      if not number then refuse(path, "'" .. c .. "' at line " .. line) end
      i = i + #number
    elseif c:match("[{},=]") then
      i = i + 1
    else
      refuse(path, "'" .. c .. "' at line " .. line .. ": the file may only hold a table of texts and numbers")
    end
  end
end

-- A table with only the keys 1..#t, at most `most` of them.
local function is_list(t, most)
  if type(t) ~= "table" or #t > most then return false end
  local count = 0
  for k in pairs(t) do
    if type(k) ~= "number" or k < 1 or k > #t or k ~= math.floor(k) then return false end
    count = count + 1
  end
  return count == #t
end

local function check_point(path, t, field)
  local p = t[field]
  if not is_list(p, 2) or #p ~= 2 then refuse(path, field .. " is not two numbers") end
  for _, value in ipairs(p) do
    if type(value) ~= "number" or value ~= value or math.abs(value) > kLargestCoordinate then
      refuse(path, field .. " is not two numbers within +-" .. kLargestCoordinate)
    end
  end
end

local function check_shape(path, t)
  if type(t) ~= "table" then refuse(path, "returns no table") end
  for k in pairs(t) do
    if not kFields[k] then refuse(path, "holds the unknown field " .. tostring(k)) end
  end
  if type(t.name) ~= "string" or not t.name:match("^[%w_]+$") or #t.name > kLongestName then
    refuse(path, "name is not a plain word")
  end
  if not kSeasons[t.season] then refuse(path, "season is not summer, rain or snow") end
  for _, field in ipairs({ "origin", "u", "v" }) do check_point(path, t, field) end
  if not is_list(t.rows, kMostRows) or #t.rows == 0 then refuse(path, "rows is not a list of 1 to " .. kMostRows) end
  local width = type(t.rows[1]) == "string" and #t.rows[1] or 0
  for i, row in ipairs(t.rows) do
    if type(row) ~= "string" or #row ~= width or width == 0 or width > kWidestRow or
       row:find("[^" .. kMarks:gsub("%p", "%%%0") .. "]") then
      refuse(path, "rows entry " .. i .. " is not a text of ground marks as wide as the first")
    end
  end
  if not is_list(t.paths, kMostPaths) then refuse(path, "paths is not a list of at most " .. kMostPaths) end
  for i, route in ipairs(t.paths) do
    if not is_list(route, 2 * kMostRows * kWidestRow) or #route % 2 ~= 0 then
      refuse(path, "paths entry " .. i .. " is not a list of cells")
    end
    for k, value in ipairs(route) do
      local bound = (k % 2 == 1) and width or #t.rows
      if type(value) ~= "number" or value < 0 or value >= bound or value ~= math.floor(value) then
        refuse(path, "paths entry " .. i .. " leaves the rows")
      end
    end
  end
end

function read_terrain_file(path)
  local text = read_ground_file(path)
  if not text then return nil end
  -- Lua 5.1 runs precompiled chunks unchecked: text only.
  if text:sub(1, 1) == "\27" then refuse(path, "is a precompiled chunk") end
  scan(path, text)
  local chunk, message = loadstring(text, "=" .. path)
  if not chunk then refuse(path, tostring(message)) end
  setfenv(chunk, {})
  -- The scan leaves no loop to run, and the limit holds should one ever slip by.
  debug.sethook(function() error("runs past " .. kMostInstructions .. " instructions", 0) end, "", kMostInstructions)
  local ok, t = pcall(chunk)
  debug.sethook()
  if not ok then refuse(path, tostring(t)) end
  check_shape(path, t)
  return t
end
