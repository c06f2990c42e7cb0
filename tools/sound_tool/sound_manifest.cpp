// Sound manifest running: Lua state, sound tables, OGG output through libsndfile.
#include "sound_manifest.h"

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "../common/manifest_lua.h"
#include "synth.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDefaultRate = 22050;
constexpr float kDefaultPeak = 0.8f;
// Vorbis quality 0..1: 0.3 keeps short effects small and still clean.
constexpr double kVorbisQuality = 0.3;

// Helpers for manifests: sound{} collects, note() turns "A4" or "C#5" into Hz.
const char* const kPrelude = R"lua(
sounds = {}
function sound(t) sounds[#sounds + 1] = t; return t end
local semitones = { C = -9, D = -7, E = -5, F = -4, G = -2, A = 0, B = 2 }
function note(name)
  local letter, sharp, octave = string.match(name, "^([A-G])(#?)(%d)$")
  if not letter then error("bad note name " .. tostring(name)) end
  local n = semitones[letter] + (sharp == "#" and 1 or 0) + (tonumber(octave) - 4) * 12
  return 440 * 2 ^ (n / 12)
end
function include(name) dofile(manifest_folder .. "/" .. name) end
)lua";

float Number(lua_State* lua, const char* field, float fallback)
{
    lua_getfield(lua, -1, field);
    const float value = lua_isnumber(lua, -1) ? static_cast<float>(lua_tonumber(lua, -1)) : fallback;
    lua_pop(lua, 1);
    return value;
}

std::string Text(lua_State* lua, const char* field)
{
    lua_getfield(lua, -1, field);
    std::string value = lua_type(lua, -1) == LUA_TSTRING ? lua_tostring(lua, -1) : "";
    lua_pop(lua, 1);
    return value;
}

std::vector<Voice> ReadVoices(lua_State* lua, const std::string& path, int& problems)
{
    std::vector<Voice> voices;
    lua_getfield(lua, -1, "voices");
    const size_t count = lua_istable(lua, -1) ? lua_objlen(lua, -1) : 0;
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(lua, -1, static_cast<int>(i));
        if (lua_istable(lua, -1)) {
            Voice voice;
            bool known = true;
            voice.wave = WaveFromName(Text(lua, "wave"), known);
            if (!known) {
                std::fprintf(stderr, "sound_tool: warning: %s: voice %zu has an unknown wave\n", path.c_str(), i);
                ++problems;
            }
            voice.start = Number(lua, "at", 0.0f);
            voice.frequency = Number(lua, "freq", voice.frequency);
            voice.frequencyEnd = Number(lua, "freq_end", 0.0f);
            voice.attack = Number(lua, "attack", voice.attack);
            voice.hold = Number(lua, "hold", voice.hold);
            voice.release = Number(lua, "release", voice.release);
            voice.level = Number(lua, "level", voice.level);
            voice.vibratoRate = Number(lua, "vibrato_rate", 0.0f);
            voice.vibratoDepth = Number(lua, "vibrato_depth", 0.0f);
            voice.cutoff = Number(lua, "cutoff", 0.0f);
            voice.duty = Number(lua, "duty", voice.duty);
            voice.seed = static_cast<uint32_t>(Number(lua, "seed", static_cast<float>(i)));
            voices.push_back(voice);
        }
        lua_pop(lua, 1);
    }
    lua_pop(lua, 1);
    return voices;
}

bool WriteOgg(const fs::path& file, const std::vector<float>& samples, int sampleRate)
{
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> out(sf_open(file.string().c_str(), SFM_WRITE, &info), &sf_close);
    if (!out) {
        std::fprintf(stderr, "sound_tool: cannot write %s: %s\n", file.string().c_str(), sf_strerror(nullptr));
        return false;
    }
    double quality = kVorbisQuality;
    sf_command(out.get(), SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    const sf_count_t frames = static_cast<sf_count_t>(samples.size());
    return sf_writef_float(out.get(), samples.data(), frames) == frames;
}

bool BuildSound(lua_State* lua, const fs::path& outputFolder, std::set<std::string>& names, int& problems)
{
    const std::string path = Text(lua, "path");
    if (path.empty()) {
        std::fprintf(stderr, "sound_tool: sound without path\n");
        return false;
    }
    // Sounds are played by file name alone, so names must be unique.
    if (!names.insert(fs::path(path).filename().string()).second) {
        std::fprintf(stderr, "sound_tool: %s: a sound of that name exists already\n", path.c_str());
        return false;
    }
    const int rate = static_cast<int>(Number(lua, "rate", kDefaultRate));
    if (rate != 22050 && rate != 44100) {
        std::fprintf(stderr, "sound_tool: %s: rate %d is neither 22050 nor 44100\n", path.c_str(), rate);
        return false;
    }
    lua_getfield(lua, -1, "loop");
    const bool loop = lua_toboolean(lua, -1) != 0;
    lua_pop(lua, 1);
    const std::vector<Voice> voices = ReadVoices(lua, path, problems);
    if (voices.empty()) {
        std::fprintf(stderr, "sound_tool: %s: no voices\n", path.c_str());
        return false;
    }
    const std::vector<float> samples = Render(voices, rate, Number(lua, "length", 0.0f), loop,
                                              Number(lua, "peak", kDefaultPeak));
    const fs::path file = outputFolder / (path + ".ogg");
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    return WriteOgg(file, samples, rate);
}

}  // namespace

SoundManifestResult BuildSoundManifest(const std::string& manifestFile, const std::string& outputFolder)
{
    SoundManifestResult result;
    const manifest_lua::LuaStatePtr owner = manifest_lua::RunManifest(manifestFile, kPrelude, "sound_tool");
    if (!owner) return result;
    lua_State* lua = owner.get();
    result.ran = true;
    std::set<std::string> names;
    lua_getglobal(lua, "sounds");
    const size_t count = lua_istable(lua, -1) ? lua_objlen(lua, -1) : 0;
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(lua, -1, static_cast<int>(i));
        if (lua_istable(lua, -1) && BuildSound(lua, outputFolder, names, result.problems)) {
            ++result.soundsWritten;
        } else {
            ++result.problems;
        }
        lua_pop(lua, 1);
    }
    lua_pop(lua, 1);
    return result;
}
