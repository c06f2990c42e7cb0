-- The game's synthesised sounds (data/sound) and music loops (data/music).
-- Every voice: wave (sine, square, triangle, saw, noise), at (start, s), freq and
-- freq_end (Hz, a glide), attack / hold / release (s), level, cutoff (low-pass Hz),
-- vibrato_rate / vibrato_depth, duty (square), seed (noise).

-- Interface ----------------------------------------------------------------

sound{ path = "sound/click", voices = {
  { wave = "square", freq = 1400, freq_end = 700, attack = 0.001, release = 0.035, level = 0.5, cutoff = 5000 },
  { wave = "noise", attack = 0.0005, release = 0.012, level = 0.4, cutoff = 6000 },
} }

sound{ path = "sound/mouse_in", peak = 0.45, voices = {
  { wave = "sine", freq = 900, freq_end = 1300, attack = 0.004, release = 0.06, level = 0.6 },
  { wave = "triangle", freq = 1800, freq_end = 2600, attack = 0.004, release = 0.04, level = 0.2 },
} }

sound{ path = "sound/typing", peak = 0.5, voices = {
  { wave = "noise", attack = 0.0005, release = 0.02, level = 0.6, cutoff = 3500, seed = 7 },
  { wave = "sine", freq = 520, freq_end = 380, attack = 0.001, release = 0.025, level = 0.4 },
} }

-- A rising four-note jingle over a soft chord: the start of a level.
local function jingle()
  local voices = {}
  local notes = { "C5", "E5", "G5", "C6" }
  for i, name in ipairs(notes) do
    local at = (i - 1) * 0.11
    voices[#voices + 1] = { wave = "square", duty = 0.3, at = at, freq = note(name), attack = 0.005, hold = 0.05,
                            release = i == #notes and 0.6 or 0.18, level = 0.28, cutoff = 4000 }
    voices[#voices + 1] = { wave = "sine", at = at, freq = note(name) * 2, attack = 0.003, release = 0.25, level = 0.12 }
  end
  for _, name in ipairs({ "C4", "G4", "E4" }) do
    voices[#voices + 1] = { wave = "triangle", at = 0.33, freq = note(name), attack = 0.05, hold = 0.2, release = 0.5,
                            level = 0.2 }
  end
  return voices
end
sound{ path = "sound/start_game", voices = jingle() }

-- Firework bursts: a rising whistle, a bang and a crackle tail; two variants.
local function salute(whistleFrom, whistleTo, seed)
  local voices = {
    { wave = "sine", freq = whistleFrom, freq_end = whistleTo, attack = 0.02, hold = 0.25, release = 0.05, level = 0.15,
      vibrato_rate = 18, vibrato_depth = 0.01 },
    { wave = "noise", at = 0.32, attack = 0.002, release = 0.5, level = 0.9, cutoff = 900, seed = seed },
    { wave = "sine", at = 0.32, freq = 90, freq_end = 40, attack = 0.002, release = 0.35, level = 0.7 },
  }
  for i = 0, 9 do
    voices[#voices + 1] = { wave = "noise", at = 0.45 + i * 0.045 + (i % 3) * 0.013, attack = 0.001, release = 0.03,
                            level = 0.35 - i * 0.025, cutoff = 5000, seed = seed + i }
  end
  return voices
end
sound{ path = "sound/salute00", voices = salute(700, 1500, 11) }
sound{ path = "sound/salute01", voices = salute(900, 1900, 23) }

-- A short bright chime for a finished task or hint.
sound{ path = "sound/task_done", voices = {
  { wave = "sine", freq = note("E6"), attack = 0.002, release = 0.6, level = 0.4 },
  { wave = "sine", at = 0.08, freq = note("B6"), attack = 0.002, release = 0.7, level = 0.3 },
  { wave = "sine", freq = note("E6") * 2.76, attack = 0.001, release = 0.2, level = 0.1 },
} }
sound{ path = "sound/hint", peak = 0.6, voices = {
  { wave = "sine", freq = note("A5"), attack = 0.003, release = 0.3, level = 0.4 },
  { wave = "sine", at = 0.09, freq = note("D6"), attack = 0.003, release = 0.4, level = 0.35 },
} }
-- A level won: a bright fanfare climbing to a held major chord with a shimmer.
local function fanfare()
  local voices = {}
  local notes = { "G4", "C5", "E5", "G5" }
  for i, name in ipairs(notes) do
    local at = (i - 1) * 0.13
    voices[#voices + 1] = { wave = "square", duty = 0.25, at = at, freq = note(name), attack = 0.006, hold = 0.07,
                            release = 0.16, level = 0.25, cutoff = 3800 }
  end
  for _, name in ipairs({ "C5", "E5", "G5", "C6" }) do
    voices[#voices + 1] = { wave = "triangle", at = 0.52, freq = note(name), attack = 0.02, hold = 0.45, release = 0.7,
                            level = 0.18, vibrato_rate = 5, vibrato_depth = 0.004 }
  end
  voices[#voices + 1] = { wave = "sine", at = 0.52, freq = note("C7"), attack = 0.01, release = 0.9, level = 0.08 }
  return voices
end
sound{ path = "sound/level_success", voices = fanfare() }
-- A soft whoosh: filtered noise swelling and fading.
sound{ path = "sound/whoosh", peak = 0.6, voices = {
  { wave = "noise", attack = 0.15, release = 0.25, level = 0.6, cutoff = 1200, seed = 5 },
  { wave = "noise", attack = 0.12, release = 0.2, level = 0.3, cutoff = 2600, seed = 9 },
} }

-- Level objects -----------------------------------------------------------

-- Picking something up: a quick rising blip over a soft pluck.
sound{ path = "sound/take", peak = 0.6, voices = {
  { wave = "sine", freq = 620, freq_end = 1240, attack = 0.003, hold = 0.03, release = 0.08, level = 0.5 },
  { wave = "triangle", at = 0.05, freq = note("E6"), attack = 0.002, release = 0.12, level = 0.25 },
  { wave = "noise", attack = 0.001, release = 0.015, level = 0.2, cutoff = 3000, seed = 31 },
} }

-- A building finished: two hammer knocks, then a bright rising triad.
local function buildReady()
  local voices = {}
  for i = 0, 1 do
    local at = i * 0.14
    voices[#voices + 1] = { wave = "noise", at = at, attack = 0.001, release = 0.05, level = 0.5, cutoff = 1800, seed = 41 + i }
    voices[#voices + 1] = { wave = "sine", at = at, freq = 220, freq_end = 120, attack = 0.001, release = 0.08, level = 0.5 }
  end
  for i, name in ipairs({ "C5", "E5", "G5", "C6" }) do
    voices[#voices + 1] = { wave = "triangle", at = 0.3 + (i - 1) * 0.07, freq = note(name), attack = 0.004, hold = 0.04,
                            release = i == 4 and 0.5 or 0.2, level = 0.3 }
  end
  voices[#voices + 1] = { wave = "sine", at = 0.51, freq = note("C7"), attack = 0.002, release = 0.4, level = 0.1 }
  return voices
end
sound{ path = "sound/build_ready", voices = buildReady() }

-- Workers ------------------------------------------------------------------

-- Through the home's door: a wooden knock, then two soft notes going down (in)
-- or up (out).
local function door(first, second, seed)
  return {
    { wave = "noise", attack = 0.001, release = 0.04, level = 0.45, cutoff = 1400, seed = seed },
    { wave = "sine", freq = 180, freq_end = 110, attack = 0.001, release = 0.07, level = 0.5 },
    { wave = "triangle", at = 0.06, freq = note(first), attack = 0.004, release = 0.1, level = 0.3 },
    { wave = "triangle", at = 0.14, freq = note(second), attack = 0.004, release = 0.16, level = 0.3 },
  }
end
sound{ path = "sound/worker_in", peak = 0.6, voices = door("E5", "B4", 51) }
sound{ path = "sound/worker_out", peak = 0.6, voices = door("B4", "E5", 52) }

-- A cheer: a quick rising "hooray" of three bright notes with a wobble.
local function cheer()
  local voices = {}
  for i, name in ipairs({ "G5", "C6", "E6" }) do
    local at = (i - 1) * 0.09
    voices[#voices + 1] = { wave = "square", duty = 0.25, at = at, freq = note(name), freq_end = note(name) * 1.03, attack = 0.005,
                            hold = i == 3 and 0.12 or 0.04, release = i == 3 and 0.25 or 0.06, level = 0.22, cutoff = 3500,
                            vibrato_rate = 9, vibrato_depth = 0.02 }
  end
  voices[#voices + 1] = { wave = "sine", at = 0.18, freq = note("E7"), attack = 0.002, release = 0.3, level = 0.1 }
  return voices
end
sound{ path = "sound/worker_joy", voices = cheer() }

-- A frightened squeal falling away, trembling.
sound{ path = "sound/worker_fear", peak = 0.6, voices = {
  { wave = "triangle", freq = 1500, freq_end = 650, attack = 0.01, hold = 0.12, release = 0.15, level = 0.45,
    vibrato_rate = 22, vibrato_depth = 0.05 },
  { wave = "sine", freq = 750, freq_end = 330, attack = 0.01, hold = 0.12, release = 0.15, level = 0.25, vibrato_rate = 22, vibrato_depth = 0.05 },
} }

-- A blast: a deep thump under a long roar of low noise, then falling bits.
local function blast()
  local voices = {
    { wave = "sine", freq = 85, freq_end = 28, attack = 0.002, release = 0.6, level = 0.9 },
    { wave = "noise", attack = 0.003, hold = 0.05, release = 0.8, level = 0.8, cutoff = 700, seed = 61 },
    { wave = "noise", attack = 0.001, release = 0.15, level = 0.5, cutoff = 4000, seed = 62 },
  }
  for i = 0, 5 do
    voices[#voices + 1] = { wave = "noise", at = 0.3 + i * 0.07 + (i % 2) * 0.02, attack = 0.001, release = 0.03,
                            level = 0.25 - i * 0.03, cutoff = 3000, seed = 63 + i }
  end
  return voices
end
sound{ path = "sound/explosion", voices = blast() }

-- A shell striking: a metallic clang with clashing partials over a thud.
sound{ path = "sound/tank_hit", voices = {
  { wave = "sine", freq = 110, freq_end = 45, attack = 0.001, release = 0.3, level = 0.7 },
  { wave = "noise", attack = 0.001, release = 0.1, level = 0.6, cutoff = 2500, seed = 71 },
  { wave = "sine", freq = 820, attack = 0.001, release = 0.5, level = 0.25 },
  { wave = "sine", freq = 1130, attack = 0.001, release = 0.4, level = 0.2 },
  { wave = "sine", freq = 1790, attack = 0.001, release = 0.3, level = 0.15 },
  { wave = "square", duty = 0.3, freq = 260, freq_end = 200, attack = 0.001, release = 0.12, level = 0.15, cutoff = 2000 },
} }

-- Work blows, repeated while a worker works: a hammer on a beam, a pick on
-- stone, an axe in wood.
sound{ path = "sound/build", peak = 0.6, voices = {
  { wave = "noise", attack = 0.0005, release = 0.035, level = 0.5, cutoff = 2600, seed = 81 },
  { wave = "sine", freq = 330, freq_end = 190, attack = 0.001, release = 0.09, level = 0.55 },
  { wave = "triangle", freq = 1250, attack = 0.001, release = 0.05, level = 0.12 },
} }
sound{ path = "sound/bar_stone", peak = 0.6, voices = {
  { wave = "noise", attack = 0.0005, release = 0.03, level = 0.55, cutoff = 7000, seed = 82 },
  { wave = "triangle", freq = 2100, freq_end = 1900, attack = 0.0005, release = 0.12, level = 0.25 },
  { wave = "sine", freq = 2950, attack = 0.0005, release = 0.08, level = 0.12 },
  { wave = "sine", freq = 140, freq_end = 90, attack = 0.001, release = 0.06, level = 0.35 },
} }
sound{ path = "sound/bar_tree", peak = 0.6, voices = {
  { wave = "noise", attack = 0.001, release = 0.06, level = 0.6, cutoff = 1500, seed = 83 },
  { wave = "sine", freq = 210, freq_end = 120, attack = 0.001, release = 0.1, level = 0.55 },
  { wave = "noise", at = 0.03, attack = 0.002, release = 0.05, level = 0.2, cutoff = 600, seed = 84 },
} }

-- Drawing water: a splash and a few rising bubbles.
local function splash()
  local voices = {
    { wave = "noise", attack = 0.01, release = 0.25, level = 0.45, cutoff = 1800, seed = 91 },
  }
  local bubbles = { { 0.05, 420 }, { 0.13, 560 }, { 0.2, 380 }, { 0.29, 640 } }
  for i, b in ipairs(bubbles) do
    voices[#voices + 1] = { wave = "sine", at = b[1], freq = b[2], freq_end = b[2] * 2, attack = 0.003, release = 0.05,
                            level = 0.35 - i * 0.04 }
  end
  return voices
end
sound{ path = "sound/well", peak = 0.6, voices = splash() }

-- A load handed in: coins dropping and a bright two-note ring.
local function income()
  local voices = {}
  for i = 0, 2 do
    voices[#voices + 1] = { wave = "noise", at = i * 0.05, attack = 0.0005, release = 0.02, level = 0.25, cutoff = 8000, seed = 95 + i }
  end
  voices[#voices + 1] = { wave = "sine", at = 0.04, freq = note("B5"), attack = 0.002, release = 0.25, level = 0.35 }
  voices[#voices + 1] = { wave = "sine", at = 0.12, freq = note("E6"), attack = 0.002, release = 0.45, level = 0.35 }
  voices[#voices + 1] = { wave = "sine", at = 0.12, freq = note("E6") * 2.4, attack = 0.001, release = 0.15, level = 0.08 }
  return voices
end
sound{ path = "sound/res_income", voices = income() }

-- Plants, altars and the bell -----------------------------------------------

-- The plants at work: a sawmill's rasping blade, a mill's grinding rumble with
-- a creak of the sails, a gold mill's stamping with a ring of metal.
sound{ path = "sound/sawmill", peak = 0.6, voices = {
  { wave = "saw", freq = 180, freq_end = 240, attack = 0.02, hold = 0.35, release = 0.1, level = 0.3, cutoff = 2200,
    vibrato_rate = 14, vibrato_depth = 0.06 },
  { wave = "noise", attack = 0.02, hold = 0.35, release = 0.1, level = 0.35, cutoff = 4500, seed = 101 },
} }
sound{ path = "sound/mill", peak = 0.6, voices = {
  { wave = "noise", attack = 0.05, hold = 0.3, release = 0.2, level = 0.5, cutoff = 500, seed = 102 },
  { wave = "sine", freq = 70, freq_end = 62, attack = 0.05, hold = 0.3, release = 0.2, level = 0.5, vibrato_rate = 6, vibrato_depth = 0.05 },
  { wave = "triangle", at = 0.15, freq = 420, freq_end = 340, attack = 0.02, release = 0.15, level = 0.12 },
} }
local function stamps()
  local voices = {}
  for i = 0, 2 do
    local at = i * 0.16
    voices[#voices + 1] = { wave = "sine", at = at, freq = 150, freq_end = 70, attack = 0.001, release = 0.08, level = 0.5 }
    voices[#voices + 1] = { wave = "noise", at = at, attack = 0.001, release = 0.03, level = 0.3, cutoff = 2500, seed = 103 + i }
  end
  voices[#voices + 1] = { wave = "sine", at = 0.36, freq = note("A6"), attack = 0.001, release = 0.35, level = 0.18 }
  voices[#voices + 1] = { wave = "sine", at = 0.36, freq = note("A6") * 2.7, attack = 0.001, release = 0.15, level = 0.06 }
  return voices
end
sound{ path = "sound/goldmill", peak = 0.6, voices = stamps() }

-- A pick-up back in its place: a soft upward sparkle.
local function sparkle()
  local voices = {}
  for i, name in ipairs({ "G5", "B5", "D6", "G6" }) do
    voices[#voices + 1] = { wave = "sine", at = (i - 1) * 0.05, freq = note(name), attack = 0.003, release = 0.2, level = 0.25 }
  end
  voices[#voices + 1] = { wave = "noise", attack = 0.05, release = 0.2, level = 0.08, cutoff = 9000, seed = 107 }
  return voices
end
sound{ path = "sound/respawn", peak = 0.55, voices = sparkle() }

-- An altar ready to cast: a humming swell under a glassy two-note call.
sound{ path = "sound/altar_ready", peak = 0.6, voices = {
  { wave = "sine", freq = note("A3"), attack = 0.15, hold = 0.2, release = 0.4, level = 0.3, vibrato_rate = 5, vibrato_depth = 0.01 },
  { wave = "triangle", at = 0.1, freq = note("E6"), attack = 0.01, release = 0.4, level = 0.22 },
  { wave = "triangle", at = 0.25, freq = note("A6"), attack = 0.01, release = 0.5, level = 0.2 },
  { wave = "sine", at = 0.25, freq = note("A6") * 2.01, attack = 0.01, release = 0.3, level = 0.06 },
} }

-- The alarm bell: three strokes of a bronze bell with clashing partials.
local function bell()
  local voices = {}
  for i = 0, 2 do
    local at = i * 0.35
    voices[#voices + 1] = { wave = "noise", at = at, attack = 0.001, release = 0.02, level = 0.2, cutoff = 3000, seed = 111 + i }
    for k, p in ipairs({ { 1, 0.4, 0.9 }, { 2.4, 0.2, 0.6 }, { 3.0, 0.15, 0.4 }, { 4.2, 0.08, 0.25 } }) do
      voices[#voices + 1] = { wave = "sine", at = at, freq = 440 * p[1], attack = 0.001, release = p[3], level = p[2] }
    end
  end
  return voices
end
sound{ path = "sound/alarm", voices = bell() }

-- A bonus or an enemy spell setting off: a rising sweep into a bright chord.
local function bonusStart()
  local voices = {
    { wave = "saw", freq = 220, freq_end = 880, attack = 0.01, hold = 0.18, release = 0.05, level = 0.2, cutoff = 3000 },
    { wave = "noise", attack = 0.1, hold = 0.1, release = 0.1, level = 0.1, cutoff = 6000, seed = 115 },
  }
  for _, name in ipairs({ "A5", "C#6", "E6" }) do
    voices[#voices + 1] = { wave = "square", duty = 0.3, at = 0.22, freq = note(name), attack = 0.004, hold = 0.1, release = 0.35,
                            level = 0.15, cutoff = 4000 }
  end
  return voices
end
sound{ path = "sound/bonus_start", voices = bonusStart() }
-- A spell running out: the chord again, falling away into a soft sweep down.
sound{ path = "sound/bonus_stop", voices = {
  { wave = "square", duty = 0.3, freq = note("E6"), attack = 0.004, hold = 0.08, release = 0.3, level = 0.14, cutoff = 4000 },
  { wave = "square", duty = 0.3, at = 0.1, freq = note("C#6"), attack = 0.004, hold = 0.08, release = 0.3, level = 0.14, cutoff = 4000 },
  { wave = "square", duty = 0.3, at = 0.2, freq = note("A5"), attack = 0.004, hold = 0.08, release = 0.35, level = 0.14, cutoff = 4000 },
  { wave = "saw", at = 0.3, freq = 880, freq_end = 220, attack = 0.01, hold = 0.15, release = 0.1, level = 0.15, cutoff = 2500 },
} }

-- Ambience loops -----------------------------------------------------------

-- Overlapping swells of filtered noise, each as long as the gap to the second one
-- after it: the wash never dips, and the swells that ring past the end wrap to the
-- start, so the loop has no seam.
local function wash(length, step, cutoff, level, seed)
  local voices = {}
  for i = 0, math.floor(length / step) - 1 do
    voices[#voices + 1] = { wave = "noise", at = i * step, attack = step, hold = 0, release = step, level = level,
                            cutoff = cutoff, seed = seed + i }
  end
  return voices
end

-- The forest: a soft breeze with a bird calling now and then.
local function forest()
  local length = 8
  local voices = wash(length, 1.0, 500, 0.25, 400)
  local calls = { { 0.6, "E6", "G6" }, { 0.85, "G6", "E6" }, { 3.2, "D6", "A6" }, { 5.4, "C6", "E6" },
                  { 5.6, "E6", "C6" }, { 7.1, "A5", "D6" } }
  for _, call in ipairs(calls) do
    voices[#voices + 1] = { wave = "sine", at = call[1], freq = note(call[2]), freq_end = note(call[3]),
                            attack = 0.01, hold = 0.05, release = 0.08, level = 0.18, vibrato_rate = 30,
                            vibrato_depth = 0.02 }
  end
  return voices, length
end
local forestVoices, forestLength = forest()
sound{ path = "sound/ambi_forest", loop = true, length = forestLength, peak = 0.5, voices = forestVoices }

-- Rain: a steady hiss with drops ticking on leaves.
local function rain()
  local length = 4
  local voices = wash(length, 0.5, 3000, 0.5, 500)
  for i = 0, 23 do
    voices[#voices + 1] = { wave = "noise", at = (i * 0.167 + (i % 5) * 0.031) % length, attack = 0.001,
                            release = 0.02, level = 0.25, cutoff = 6000, seed = 600 + i }
  end
  return voices, length
end
local rainVoices, rainLength = rain()
sound{ path = "sound/ambi_rain", loop = true, length = rainLength, peak = 0.5, voices = rainVoices }

-- Music loops --------------------------------------------------------------

-- A loop of chords: each bar holds one chord as a soft pad, an arpeggio over it
-- and a bass note. The voices that ring past the end wrap to the start.
local function progression(bpm, chords, arpeggioWave, seed)
  local beat = 60 / bpm
  local bar = beat * 4
  local voices = {}
  for barIndex, chord in ipairs(chords) do
    local barStart = (barIndex - 1) * bar
    voices[#voices + 1] = { wave = "triangle", at = barStart, freq = note(chord[1]) / 2, attack = 0.02,
                            hold = bar * 0.6, release = bar * 0.35, level = 0.35 }
    for _, name in ipairs(chord) do
      voices[#voices + 1] = { wave = "sine", at = barStart, freq = note(name), attack = bar * 0.2, hold = bar * 0.5,
                              release = bar * 0.3, level = 0.1, vibrato_rate = 5, vibrato_depth = 0.004 }
    end
    for step = 0, 7 do
      local name = chord[(step % #chord) + 1]
      local octave = step >= 4 and 2 or 1
      voices[#voices + 1] = { wave = arpeggioWave, duty = 0.35, at = barStart + step * beat / 2,
                              freq = note(name) * octave, attack = 0.004, release = beat * 0.45, level = 0.16,
                              cutoff = 3000 }
    end
    voices[#voices + 1] = { wave = "noise", at = barStart + beat, attack = 0.001, release = 0.05, level = 0.05,
                            cutoff = 7000, seed = seed + barIndex }
    voices[#voices + 1] = { wave = "noise", at = barStart + beat * 3, attack = 0.001, release = 0.05, level = 0.05,
                            cutoff = 7000, seed = seed + barIndex + 50 }
  end
  return voices, bar * #chords
end

local function music(name, bpm, chords, wave, seed)
  local voices, length = progression(bpm, chords, wave, seed)
  sound{ path = "music/" .. name, loop = true, length = length, peak = 0.7, voices = voices }
end

-- Menu: calm major loop.
music("music0", 96, { { "C4", "E4", "G4" }, { "A3", "C4", "E4" }, { "F3", "A3", "C4" }, { "G3", "B3", "D4" } },
      "triangle", 100)
-- Level loops: a bright one and a gentle minor one.
music("music1", 112, { { "G3", "B3", "D4" }, { "E3", "G3", "B3" }, { "C4", "E4", "G4" }, { "D4", "F#4", "A4" } },
      "square", 200)
music("music2", 88, { { "A3", "C4", "E4" }, { "F3", "A3", "C4" }, { "D4", "F4", "A4" }, { "E3", "G#3", "B3" } },
      "triangle", 300)

-- Enemies, the hero and his wife, towers and the tank -----------------------

-- A goblin's or bandit's screech: a nasal squeal that wobbles and drops, in three
-- pitches so that a crowd does not sound as one.
local function screech(from, to, seed)
  return {
    { wave = "saw", freq = from, freq_end = to, attack = 0.01, hold = 0.12, release = 0.18, level = 0.35, cutoff = 2600,
      vibrato_rate = 16, vibrato_depth = 0.06 },
    { wave = "square", duty = 0.2, freq = from * 1.5, freq_end = to * 1.4, attack = 0.01, hold = 0.08, release = 0.14, level = 0.15,
      cutoff = 3200, vibrato_rate = 16, vibrato_depth = 0.06 },
    { wave = "noise", attack = 0.005, release = 0.08, level = 0.15, cutoff = 2500, seed = seed },
  }
end
sound{ path = "sound/bandit_scream0", peak = 0.6, voices = screech(900, 520, 101) }
sound{ path = "sound/bandit_scream1", peak = 0.6, voices = screech(1150, 640, 102) }
sound{ path = "sound/bandit_scream2", peak = 0.6, voices = screech(720, 380, 103) }

-- The skeleton: a hollow wail (setting out) and a rattle of falling bones.
sound{ path = "sound/spirit_scream", peak = 0.55, voices = {
  { wave = "sine", freq = 330, freq_end = 620, attack = 0.15, hold = 0.2, release = 0.35, level = 0.5, vibrato_rate = 6, vibrato_depth = 0.04 },
  { wave = "triangle", freq = 495, freq_end = 930, attack = 0.15, hold = 0.2, release = 0.3, level = 0.2, vibrato_rate = 6, vibrato_depth = 0.04 },
  { wave = "noise", attack = 0.2, release = 0.4, level = 0.15, cutoff = 900, seed = 111 },
} }
local function rattle()
  local voices = { { wave = "sine", freq = 420, freq_end = 110, attack = 0.02, release = 0.45, level = 0.3, vibrato_rate = 9, vibrato_depth = 0.05 } }
  for i = 0, 7 do
    voices[#voices + 1] = { wave = "noise", at = 0.05 + i * 0.045 + (i % 3) * 0.012, attack = 0.001, release = 0.03,
                            level = 0.4 - i * 0.03, cutoff = 3500, seed = 120 + i }
    voices[#voices + 1] = { wave = "sine", at = 0.05 + i * 0.045, freq = 900 + (i % 4) * 170, attack = 0.001, release = 0.04, level = 0.12 }
  end
  return voices
end
sound{ path = "sound/spirit_death", peak = 0.6, voices = rattle() }

-- The hero's blow: a swish of the blade and a ringing hit.
sound{ path = "sound/strike", peak = 0.65, voices = {
  { wave = "noise", attack = 0.04, release = 0.08, level = 0.45, cutoff = 3500, seed = 131 },
  { wave = "noise", at = 0.1, attack = 0.001, release = 0.08, level = 0.5, cutoff = 2000, seed = 132 },
  { wave = "sine", at = 0.1, freq = 160, freq_end = 70, attack = 0.001, release = 0.12, level = 0.5 },
  { wave = "sine", at = 0.1, freq = 1760, attack = 0.001, release = 0.3, level = 0.18 },
  { wave = "sine", at = 0.1, freq = 2490, attack = 0.001, release = 0.2, level = 0.1 },
} }

-- Spells: sparkling arpeggios, each caster in its own colour.
local function sparkle(notes, wave, step, tail, seed)
  local voices = { { wave = "noise", attack = 0.05, release = 0.3, level = 0.12, cutoff = 7000, seed = seed } }
  for i, name in ipairs(notes) do
    voices[#voices + 1] = { wave = wave, at = (i - 1) * step, freq = note(name), attack = 0.003, release = i == #notes and tail or 0.15,
                            level = 0.3 }
    voices[#voices + 1] = { wave = "sine", at = (i - 1) * step, freq = note(name) * 2, attack = 0.002, release = 0.1, level = 0.08 }
  end
  return voices
end
-- The wife: a bright rising major arpeggio.
sound{ path = "sound/wife_magic", peak = 0.6, voices = sparkle({ "C6", "E6", "G6", "C7", "E7" }, "sine", 0.07, 0.5, 141) }
-- The succubus: a sultry falling glide for her charm, a portal whoosh for her
-- coming and a sigh with a falling chime for her going.
sound{ path = "sound/succub_magic", peak = 0.55, voices = {
  { wave = "sine", freq = note("A5"), freq_end = note("E5"), attack = 0.05, hold = 0.15, release = 0.3, level = 0.4, vibrato_rate = 7, vibrato_depth = 0.02 },
  { wave = "triangle", at = 0.12, freq = note("C6"), freq_end = note("G5"), attack = 0.05, hold = 0.1, release = 0.3, level = 0.25, vibrato_rate = 7, vibrato_depth = 0.02 },
  { wave = "sine", at = 0.05, freq = note("E7"), attack = 0.002, release = 0.2, level = 0.06 },
} }
sound{ path = "sound/succub_appear", peak = 0.6, voices = {
  { wave = "noise", attack = 0.2, release = 0.3, level = 0.4, cutoff = 1500, seed = 151 },
  { wave = "sine", freq = 110, freq_end = 330, attack = 0.1, hold = 0.1, release = 0.25, level = 0.4 },
  { wave = "sine", at = 0.3, freq = note("E6"), attack = 0.003, release = 0.35, level = 0.25 },
  { wave = "sine", at = 0.36, freq = note("B6"), attack = 0.003, release = 0.35, level = 0.15 },
} }
sound{ path = "sound/succub_death", peak = 0.6, voices = {
  { wave = "sine", freq = note("E6"), freq_end = note("E4"), attack = 0.02, hold = 0.1, release = 0.45, level = 0.35, vibrato_rate = 8, vibrato_depth = 0.03 },
  { wave = "noise", at = 0.05, attack = 0.1, release = 0.35, level = 0.3, cutoff = 2200, seed = 152 },
  { wave = "triangle", at = 0.1, freq = note("B5"), attack = 0.003, release = 0.2, level = 0.15 },
  { wave = "triangle", at = 0.2, freq = note("G5"), attack = 0.003, release = 0.2, level = 0.15 },
  { wave = "triangle", at = 0.3, freq = note("E5"), attack = 0.003, release = 0.3, level = 0.15 },
} }
-- The witch: a puff and a cackle, an icy shimmer, a melting gurgle.
local function cackle()
  local voices = { { wave = "noise", attack = 0.005, release = 0.25, level = 0.45, cutoff = 1800, seed = 161 } }
  for i = 0, 4 do
    voices[#voices + 1] = { wave = "square", duty = 0.3, at = 0.15 + i * 0.08, freq = 720 - i * 25, freq_end = 560 - i * 25, attack = 0.005,
                            release = 0.06, level = 0.25, cutoff = 2400 }
  end
  return voices
end
sound{ path = "sound/witch_appear", peak = 0.6, voices = cackle() }
local iceNotes = sparkle({ "B6", "F#6", "D7", "A6", "F#7" }, "triangle", 0.05, 0.4, 162)
iceNotes[#iceNotes + 1] = { wave = "noise", attack = 0.01, hold = 0.15, release = 0.2, level = 0.2, cutoff = 9000, seed = 163 }
sound{ path = "sound/witch_magic", peak = 0.55, voices = iceNotes }
local function melt()
  local voices = { { wave = "triangle", freq = 700, freq_end = 180, attack = 0.02, hold = 0.2, release = 0.3, level = 0.35, vibrato_rate = 11, vibrato_depth = 0.06 } }
  for i = 0, 5 do
    voices[#voices + 1] = { wave = "sine", at = 0.15 + i * 0.07, freq = 260 + (i % 3) * 90, freq_end = 520 + (i % 3) * 120, attack = 0.003,
                            release = 0.05, level = 0.2 }
  end
  return voices
end
sound{ path = "sound/witch_death", peak = 0.6, voices = melt() }

-- The guns: a short cannon report, and three blasts of a tower being destroyed.
sound{ path = "sound/shot", peak = 0.7, voices = {
  { wave = "sine", freq = 120, freq_end = 45, attack = 0.001, release = 0.25, level = 0.8 },
  { wave = "noise", attack = 0.001, release = 0.2, level = 0.7, cutoff = 1600, seed = 171 },
  { wave = "noise", attack = 0.001, release = 0.04, level = 0.4, cutoff = 6000, seed = 172 },
} }
local function boom(low, rumble, seed)
  return {
    { wave = "sine", freq = low, freq_end = low * 0.35, attack = 0.002, release = 0.5, level = 0.9 },
    { wave = "noise", attack = 0.002, hold = 0.03, release = rumble, level = 0.8, cutoff = 800, seed = seed },
    { wave = "noise", attack = 0.001, release = 0.1, level = 0.45, cutoff = 3500, seed = seed + 1 },
    { wave = "noise", at = 0.18, attack = 0.001, release = 0.04, level = 0.2, cutoff = 3000, seed = seed + 2 },
  }
end
sound{ path = "sound/explosion00", voices = boom(90, 0.55, 181) }
sound{ path = "sound/explosion01", voices = boom(70, 0.7, 185) }
sound{ path = "sound/explosion02", voices = boom(110, 0.45, 189) }
-- More level loops: a lively one, a wintry one, a pastoral one and a tense one.
music("music3", 120, { { "D4", "F#4", "A4" }, { "B3", "D4", "F#4" }, { "G3", "B3", "D4" }, { "A3", "C#4", "E4" } },
      "square", 400)
music("music4", 76, { { "E3", "G3", "B3" }, { "C4", "E4", "G4" }, { "A3", "C4", "E4" }, { "B3", "D#4", "F#4" } },
      "sine", 500)
music("music5", 100, { { "F3", "A3", "C4" }, { "D4", "F4", "A4" }, { "A#3", "D4", "F4" }, { "C4", "E4", "G4" } },
      "triangle", 600)
music("music6", 104, { { "D4", "F4", "A4" }, { "A#3", "D4", "F4" }, { "G3", "A#3", "D4" }, { "A3", "C#4", "E4" } },
      "saw", 700)

-- Sent out on an order: the hero's battle cry (a brassy rising call) and the
-- wife's answer (a soft two-note chime), two of each so that repeats differ.
local function battleCry(first, second, seed)
  return {
    { wave = "saw", freq = note(first), freq_end = note(second), attack = 0.02, hold = 0.12, release = 0.2, level = 0.35,
      cutoff = 2200, vibrato_rate = 7, vibrato_depth = 0.02 },
    { wave = "square", duty = 0.3, at = 0.05, freq = note(second), attack = 0.01, hold = 0.1, release = 0.2, level = 0.2,
      cutoff = 2600 },
    { wave = "noise", attack = 0.005, release = 0.06, level = 0.15, cutoff = 2000, seed = seed },
  }
end
sound{ path = "sound/hero_out0", peak = 0.6, voices = battleCry("G3", "D4", 201) }
sound{ path = "sound/hero_out1", peak = 0.6, voices = battleCry("A3", "E4", 203) }
local function answer(first, second)
  return {
    { wave = "sine", freq = note(first), attack = 0.005, release = 0.2, level = 0.35 },
    { wave = "sine", at = 0.1, freq = note(second), attack = 0.005, release = 0.35, level = 0.35 },
    { wave = "sine", at = 0.1, freq = note(second) * 2, attack = 0.003, release = 0.15, level = 0.08 },
  }
end
sound{ path = "sound/wife_out0", peak = 0.55, voices = answer("E5", "A5") }
sound{ path = "sound/wife_out1", peak = 0.55, voices = answer("G5", "C6") }
