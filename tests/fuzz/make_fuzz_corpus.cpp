// make_fuzz_corpus: writes the seed corpus of the fuzz targets (corpus/<target>/).
// Each target gets well-formed files made with the same writers the game and the
// tests use, the hostile cases the readers must survive, and cut and bit-flipped
// copies of the well-formed ones. The output is the same at every run but for the
// OGG seeds (the Vorbis writer picks a random stream serial number); run it after a
// reader's format changes and commit the result:
//   build/tests/fuzz/make_fuzz_corpus tests/fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/app/player_progress.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/port/audio/audio_test_data.h"

namespace {

using Bytes = std::string;
namespace fs = std::filesystem;

fs::path gRoot;
fs::path gScratch;

void Put(const std::string& target, const std::string& name, const Bytes& bytes)
{
    const fs::path folder = gRoot / target;
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes FromVector(const std::vector<uint8_t>& bytes) { return Bytes(bytes.begin(), bytes.end()); }
Bytes FromStream(const vrk::cByteStream& stream) { return Bytes(stream.Bytes().begin(), stream.Bytes().end()); }

// The file itself, three cuts (a half, three quarters, all but the last byte) and
// two copies with bytes flipped at fixed, spread positions.
void PutWithDamage(const std::string& target, const std::string& name, const Bytes& bytes)
{
    Put(target, name, bytes);
    if (bytes.size() < 4) return;
    Put(target, name + "-cut-half", bytes.substr(0, bytes.size() / 2));
    Put(target, name + "-cut-3q", bytes.substr(0, bytes.size() * 3 / 4));
    Put(target, name + "-cut-last", bytes.substr(0, bytes.size() - 1));
    uint32_t state = 12345;
    for (int copy = 0; copy < 2; ++copy) {
        Bytes flipped = bytes;
        for (int i = 0; i < 4; ++i) {
            state = state * 69069u + 1u;
            flipped[(state >> 8) % flipped.size()] ^= static_cast<char>(0xFF >> copy);
        }
        Put(target, name + "-flip" + std::to_string(copy), flipped);
    }
}

Bytes Words(const std::vector<uint32_t>& words)
{
    vrk::cByteStream stream;
    for (uint32_t word : words) stream.WriteInt32(word);
    return FromStream(stream);
}

uint32_t Bits(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A level stream frame: version, name, last id, object count.
Bytes LevelFrame(uint32_t count, const std::string& name = "level000", uint32_t version = 100)
{
    vrk::cByteStream stream;
    stream.WriteInt32(version);
    stream.WriteString(name);
    stream.WriteInt32(0);
    stream.WriteInt32(count);
    return FromStream(stream);
}

void MakeLevelSeeds(const fs::path& source)
{
    std::vector<Bytes> levels;
    for (const char* name : {"achieve", "comics", "map", "menu"}) {
        const Bytes level = ReadAll(source / "data/level" / (std::string(name) + ".lvl"));
        levels.push_back(level);
        PutWithDamage("level_file", name, level);
    }
    Put("level_file", "empty", "");
    Put("level_file", "version-only", Words({100}));
    Put("level_file", "huge-object-count", LevelFrame(0xFFFFFFFFu));
    Put("level_file", "unknown-type", LevelFrame(1) + Words({999, 1, 0}));
    Put("level_file", "wild-layer", LevelFrame(1) + Words({0, 1, 0x7FFFFFFF}));
    Put("level_file", "string-past-end", Words({100, 0x7FFF}) + "abc");
    Put("level_file", "old-version", LevelFrame(0, "old", 1));

    PutWithDamage("level_widget", "menu", levels[3]);
    PutWithDamage("level_widget", "comics", levels[1]);
    const Bytes frame = LevelFrame(0);
    PutWithDamage("level_widget", "grid-3x1", frame + Words({3, 1, Bits(0.7f), 1, Bits(10.0f), 2, Bits(0.7f), 3}));
    Put("level_widget", "grid-truncated-tail", frame + Words({2, 2, Bits(0.7f), 5, Bits(10.0f)}));
    Put("level_widget", "grid-huge-size", frame + Words({0xFFFFFFFFu, 0xFFFFFFFFu, Bits(10.0f), 9}));
    Put("level_widget", "grid-negative-size", frame + Words({0x80000000u, 0x80000000u, Bits(0.7f), 1}));
    Put("level_widget", "grid-zero-height", frame + Words({5, 0, Bits(10.0f), 1}));
    Put("level_widget", "grid-nan-costs", frame + Words({2, 1, 0x7FC00000u, 1, 0xFF800000u, 2}));
    Put("level_widget", "grid-size-only", frame + Words({4}));
    Put("level_widget", "no-tail", frame);
    Put("level_widget", "tail-after-broken-object", LevelFrame(1) + Words({999, 0, 1, 1, Bits(10.0f), 4}));

    // Every level file of the game, played; one of them also cut and flipped.
    for (const auto& entry : fs::directory_iterator(source / "data/level")) {
        if (entry.path().extension() != ".lvl") continue;
        const std::string name = entry.path().stem().string();
        if (name == "level009") {
            PutWithDamage("level_play", name, ReadAll(entry.path()));
        } else {
            Put("level_play", name, ReadAll(entry.path()));
        }
    }
}

void MakeProfileSeeds()
{
    // "info.dat": next number, entry count, (id, name) entries, active id.
    auto list = [](uint32_t next, const std::vector<std::pair<std::string, std::string>>& entries,
                   const std::string& active, uint32_t count) {
        vrk::cByteStream stream;
        stream.WriteInt32(next);
        stream.WriteInt32(count);
        for (const auto& [id, name] : entries) {
            stream.WriteString(id);
            stream.WriteString(name);
        }
        stream.WriteString(active);
        return FromStream(stream);
    };
    PutWithDamage("profile_list", "two-profiles", list(3, {{"plr001", "Ann"}, {"plr002", "Bo"}}, "plr002", 2));
    PutWithDamage("profile_list", "one-profile", list(2, {{"plr001", "Player"}}, "plr001", 1));
    Put("profile_list", "empty", "");
    Put("profile_list", "zeros", Bytes(16, '\0'));
    Put("profile_list", "huge-count", list(1, {}, "", 0xFFFFFFFFu));
    Put("profile_list", "count-past-entries", list(4, {{"plr001", "A"}}, "plr001", 3));
    Put("profile_list", "malformed-ids", list(9, {{"../x", "A"}, {"plr", "B"}, {"plr00000000001", "C"}}, "../x", 3));
    Put("profile_list", "bad-utf8-name", list(2, {{"plr001", "\xC3\x28\xFF"}}, "plr001", 1));
    Put("profile_list", "negative-string-length", Words({2, 1}) + Bytes("\xFF\xFF", 2) + "plr001");
    Put("profile_list", "no-active-id", list(2, {{"plr001", "A"}}, "", 1).substr(0, 20));

    // "middle.dat".
    PlayerProgress progress;
    progress.totalScore = 1234;
    progress.achievementProgress = {1.0f, 0.5f, 0.0f};
    progress.achievementNewFlags = {1, 0, 0};
    progress.nameValues = {7, 8};
    progress.levelRecords.resize(3);
    progress.levelRecords[1].firstList = {1, 2, 3};
    progress.levelRecords[2].secondList = {4};
    progress.currentLevel = 2;
    vrk::cByteStream player;
    WritePlayerFile(player, "Ann", progress);
    PutWithDamage("player_file", "three-levels", FromStream(player));
    vrk::cByteStream fresh;
    WritePlayerFile(fresh, "", PlayerProgress{});
    PutWithDamage("player_file", "fresh", FromStream(fresh));
    Put("player_file", "empty", "");
    Put("player_file", "all-ff", Bytes(64, '\xFF'));
    vrk::cByteStream huge;
    huge.WriteString("Huge");
    huge.WriteInt32(0);
    huge.WriteByte(1);
    huge.WriteInt32(0);
    huge.WriteInt32(0x7FFFFFFF);  // achievement count far past the file
    Put("player_file", "huge-achievement-count", FromStream(huge));
    vrk::cByteStream records;
    records.WriteString("Rec");
    for (uint32_t word : {0u, 0u}) records.WriteInt32(word);
    records.WriteByte(0);
    records.WriteInt32(0);  // achievements
    records.WriteInt32(0);  // name values
    records.WriteInt32(0x10000000u);  // level records
    Put("player_file", "huge-level-records", FromStream(records) + Words({1, 2, 3, 4, 5, 6, 7, 0xFFFFFFFFu}));
}

std::vector<uint8_t> Pattern(size_t count)
{
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
    return bytes;
}

Bytes PngBytes(const test::PngPicture& picture)
{
    const fs::path file = gScratch / "seed.png";
    return test::WritePng(file.string(), picture) ? ReadAll(file) : Bytes();
}

Bytes JpegBytes(uint32_t width, uint32_t height, int components, int quality = 90)
{
    const fs::path file = gScratch / "seed.jpg";
    const auto pixels = Pattern(size_t{width} * height * static_cast<size_t>(components));
    return test::WriteJpeg(file.string(), width, height, components, pixels, quality) ? ReadAll(file) : Bytes();
}

void MakeImageSeeds()
{
    test::PngPicture rgb;
    rgb.pixels = Pattern(4 * 4 * 3);
    PutWithDamage("png", "rgb-4x4", PngBytes(rgb));
    test::PngPicture rgba = rgb;
    rgba.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    rgba.pixels = Pattern(4 * 4 * 4);
    rgba.interlaced = true;
    PutWithDamage("png", "rgba-interlaced", PngBytes(rgba));
    test::PngPicture palette;
    palette.colorType = PNG_COLOR_TYPE_PALETTE;
    palette.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    palette.paletteAlpha = {255, 128};
    palette.pixels = std::vector<uint8_t>{0, 1, 2, 3, 3, 2, 1, 0, 0, 0, 1, 1, 2, 2, 3, 3};
    PutWithDamage("png", "palette-trns", PngBytes(palette));
    test::PngPicture grey16;
    grey16.colorType = PNG_COLOR_TYPE_GRAY;
    grey16.bitDepth = 16;
    grey16.pixels = Pattern(4 * 4 * 2);
    PutWithDamage("png", "grey16", PngBytes(grey16));
    test::PngPicture wide;
    wide.width = 64;
    wide.height = 1;
    wide.pixels = Pattern(64 * 3);
    Bytes huge = PngBytes(wide);
    // The header's width and height say 16384 x 16384 (the CRC is left stale).
    for (size_t i : {16u, 20u}) {
        huge[i] = 0;
        huge[i + 1] = 0;
        huge[i + 2] = 0x40;
        huge[i + 3] = 0;
    }
    Put("png", "claims-16384-square", huge);
    Put("png", "signature-only", PngBytes(rgb).substr(0, 8));
    Put("png", "empty", "");

    PutWithDamage("jpeg", "rgb-8x8", JpegBytes(8, 8, 3));
    PutWithDamage("jpeg", "grey-16x4", JpegBytes(16, 4, 1, 50));
    PutWithDamage("jpeg", "rgb-17x9", JpegBytes(17, 9, 3, 20));
    Bytes lying = JpegBytes(8, 8, 3);
    test::PatchJpegSize(lying, 65535, 65535);
    Put("jpeg", "claims-65535-square", lying);
    Bytes sideMax = JpegBytes(8, 8, 1);
    test::PatchJpegSize(sideMax, 16384, 16384);
    Put("jpeg", "claims-16384-square", sideMax);
    Put("jpeg", "markers-only", Bytes("\xFF\xD8\xFF\xD9", 4));
    Put("jpeg", "empty", "");

    const Bytes data = FromVector(Pattern(64));
    PutWithDamage("pvr", "pvrtc4-8x8", test::MakePvr({8, 8, 25, 0}, data));
    PutWithDamage("pvr", "pvrtc2-16x8-alpha", test::MakePvr({16, 8, 24, 1}, data));
    Put("pvr", "short-data", test::MakePvr({32, 32, 25, 0}, data.substr(0, 16)));
    Put("pvr", "max-side-short", test::MakePvr({16384, 16384, 25, 0}, data.substr(0, 16)));
    Put("pvr", "too-wide", test::MakePvr({0xFFFFFFFFu, 1, 25, 0}, data));
    Put("pvr", "zero-size", test::MakePvr({0, 0, 25, 0}, data));
    Put("pvr", "unknown-flags", test::MakePvr({8, 8, 7, 0}, data));
    Put("pvr", "wrong-tag", test::MakePvr({8, 8, 25, 0, 0x12345678u}, data));
    Put("pvr", "header-cut", test::MakePvr({}, "").substr(0, 51));
    Put("pvr", "empty", "");

    // The companion's base picture is 4 x 4.
    PutWithDamage("alpha", "grey-4x4", JpegBytes(4, 4, 1));
    PutWithDamage("alpha", "rgb-4x4", JpegBytes(4, 4, 3));
    Put("alpha", "grey-8x2-other-size", JpegBytes(8, 2, 1));
    Put("alpha", "grey-1x1", JpegBytes(1, 1, 1));
    Bytes lyingMask = JpegBytes(4, 4, 1);
    test::PatchJpegSize(lyingMask, 65535, 65535);
    Put("alpha", "claims-65535-square", lyingMask);
    Put("alpha", "png-not-jpeg", PngBytes(rgb));
    Put("alpha", "empty", "");
}

void MakeSoundSeeds()
{
    using audio_test::WriteSound;
    auto sound = [](int format, int rate, int channels, size_t frames) {
        return FromVector(WriteSound(format, rate, channels, frames, audio_test::Sine(rate, 0.5f)));
    };
    PutWithDamage("sound", "wav16-mono", sound(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 400));
    Bytes floatWav = sound(SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 2, 300);
    // The writer stamps the time into the PEAK chunk; a fixed stamp keeps the seed stable.
    if (const size_t peak = floatWav.find("PEAK"); peak != Bytes::npos && peak + 16 <= floatWav.size())
        floatWav.replace(peak + 12, 4, 4, '\0');
    PutWithDamage("sound", "wav-float-stereo", floatWav);
    PutWithDamage("sound", "wav24-six-channels", sound(SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 6, 100));
    PutWithDamage("sound", "flac", sound(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, 500));
    PutWithDamage("sound", "ogg-vorbis", sound(SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1, 2000));
    const Bytes mp3 = sound(SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 1, 1152);
    if (!mp3.empty()) PutWithDamage("sound", "mp3", mp3);
    // 644 bytes at 1 Hz: ten minutes once converted to the mix rate.
    Put("sound", "wav8-1hz", FromVector(WriteSound(SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 1, 600,
                                                    audio_test::Ramp(600))));
    Put("sound", "wav-max-rate", sound(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 768000, 1, 64));
    Bytes lying = sound(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 16);
    lying[40] = lying[41] = lying[42] = '\xFF';  // data chunk size far past the file
    lying[43] = '\x7F';
    Put("sound", "wav-data-size-lies", lying);
    Put("sound", "riff-only", Bytes("RIFF\x04\0\0\0WAVE", 12));
    Put("sound", "empty", "");

    PutWithDamage("module", "three-orders", FromVector(audio_test::TinyModule(3)));
    PutWithDamage("module", "one-order", FromVector(audio_test::TinyModule(1)));
    Bytes wild = FromVector(audio_test::TinyModule(2));
    wild[950] = '\x7F';  // an order count past the order table
    Put("module", "wild-order-count", wild);
    Put("module", "empty", "");
    Put("module", "zeros", Bytes(1084, '\0'));
}

Bytes ZipBytes(const std::map<std::string, std::string>& entries)
{
    const fs::path file = gScratch / "seed.zip";
    fs::remove(file);
    return test::WriteZip(file.string(), entries) ? ReadAll(file) : Bytes();
}

// A ZIP whose one entry "a.txt" claims 4 GiB of text in its local and central
// headers while holding a few bytes.
Bytes ZipClaimingFourGiB()
{
    Bytes zip = ZipBytes({{"a.txt", ""}});
    auto patch = [&zip](size_t at) {
        for (size_t i = 0; i < 4; ++i) zip[at + i] = '\xFF';
    };
    const size_t local = zip.find("PK\x03\x04");
    const size_t central = zip.find("PK\x01\x02");
    if (local == Bytes::npos || central == Bytes::npos) return {};
    patch(local + 22);    // uncompressed size
    patch(central + 24);  // uncompressed size
    return zip;
}

void MakeZipSeeds()
{
    PutWithDamage("zip_entry", "text-entry", ZipBytes({{"a.txt", "print('hello')\n"}}));
    vrk::cByteStream stream;
    stream.WriteString("inside");
    stream.WriteInt32(7);
    PutWithDamage("zip_entry", "stream-entry", ZipBytes({{"a.txt", FromStream(stream)}}));
    PutWithDamage("zip_entry", "two-entries", ZipBytes({{"a.txt", Bytes(300, 'x')}, {"b.txt", "b"}}));
    Put("zip_entry", "empty-entry", ZipBytes({{"a.txt", ""}}));
    Put("zip_entry", "other-entry-only", ZipBytes({{"b.txt", "b"}}));
    Put("zip_entry", "utf16-entry", ZipBytes({{"a.txt", Bytes("\xFF\xFEh\0i\0", 6)}}));
    Put("zip_entry", "no-entries", ZipBytes({}));
    Put("zip_entry", "end-record-only", Bytes("PK\x05\x06", 4) + Bytes(18, '\0'));
    Put("zip_entry", "empty", "");
    Put("zip_entry", "entry-claims-4gib", ZipClaimingFourGiB());
}

void MakeTextSeeds(const fs::path& source)
{
    PutWithDamage("text_file", "lua-script", ReadAll(source / "data/conf/cheats.lua").substr(0, 600));
    Put("text_file", "bom-utf8", "\xEF\xBB\xBFname = 'x'\n");
    Put("text_file", "bom-only", "\xEF\xBB\xBF");
    PutWithDamage("text_file", "utf16le", Bytes("\xFF\xFEh\0\xE9\0\x3D\xD8\x00\xDE\n\0", 12));
    Put("text_file", "utf16le-odd-length", Bytes("\xFF\xFEh\0i", 5));
    Put("text_file", "utf16le-lone-surrogates", Bytes("\xFF\xFE\x00\xD8\x00\xDC\x00\xDC\x00\xD8", 10));
    Put("text_file", "utf16le-bom-only", Bytes("\xFF\xFE", 2));
    Put("text_file", "nul-inside", Bytes("abc\0def", 7));
    Put("text_file", "invalid-utf8", "\xC3\x28 \xE2\x82 \xF0\x9F\x98 \xFF\xFE?");
    Put("text_file", "stream-values", FromStream([] {
        vrk::cByteStream stream;
        stream.WriteInt32(0);
        stream.WriteString("text");
        stream.WriteInt32(1);
        stream.WriteFloat(1.5f);
        stream.WriteInt32(0);
        stream.WriteString(Bytes(40, 'y'));
        return stream;
    }()));
    Put("text_file", "string-length-past-end", Words({0}) + "\xFF\x7F" + "abc");
    Put("text_file", "empty", "");
    Put("text_file", "one-byte", "x");

    for (const auto& [name, format] : std::vector<std::pair<std::string, std::string>>{
             {"all-directives", "%s %d %i %u %f %c %x %%"},
             {"lone-percent", "%"},
             {"more-directives-than-arguments", "%s%s%s%s%s%s%s%s%s%s"},
             {"huge-width", "%999999999d|%-999999999s"},
             {"huge-precision", "%.999999999f"},
             {"star-width", "%*d %-*s %.*f"},
             {"flags", "%+08.3f %#x %-5c % d"},
             {"length-modifiers", "%ld %lld %hd %zu %lf %Lf"},
             {"unknown-letters", "%q %y %n %p %w"},
             {"colour-codes", "^FF0000FFred^^ ^3three ^0 ^7 ^^"},
             {"colour-code-cut", "^FF00"},
             {"lone-caret", "^"},
             {"locale-line", "Level %i: %s scored %f"},
             {"utf8-around-directives", "\xC3\xA9%s\xE2\x82\xAC%d\xF0\x9F\x98\x80"},
             {"invalid-utf8", "\xFF%s\xC3"},
             {"nul-inside", Bytes("%s\0%d", 5)},
             {"empty", ""},
         }) {
        Put("text_format", name, format);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    gRoot = argv[1];
    gScratch = fs::temp_directory_path() / "kelvara-corpus-scratch";
    fs::create_directories(gScratch);
    const fs::path source = KELVARA_SOURCE_DIR;
    MakeLevelSeeds(source);
    MakeProfileSeeds();
    MakeImageSeeds();
    MakeSoundSeeds();
    MakeZipSeeds();
    MakeTextSeeds(source);
    fs::remove_all(gScratch);
    return 0;
}
