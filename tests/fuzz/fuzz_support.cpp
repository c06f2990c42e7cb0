// The scratch folder of a fuzz run and the services its targets share.
#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "engine/files/path_macros.h"
#include "engine/render/texture.h"
#include "framework/objects/texture_info_ex.h"

namespace fuzz {

namespace {

// Every input is written to disk once or more, so a folder in memory makes the run
// many times faster: $TMPDIR when set, else /dev/shm where there is one.
std::string BaseFolder()
{
    if (const char* folder = std::getenv("TMPDIR"); folder != nullptr && *folder != '\0') return folder;
    if (access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
    return "/tmp";
}

struct Scratch {
    Scratch()
    {
        std::error_code error;
        std::string pattern = BaseFolder() + "/kelvara-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("kelvara fuzz: no scratch folder");
            std::abort();
        }
        folder = pattern;
        std::filesystem::create_directories(folder + "/app/profile", error);
        // Nothing a reader does may reach the developer's own settings or devices.
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("HOME", folder.c_str(), 1);
        setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        vrk::SetPathMacro("{AppPath}", folder + "/app");
    }
    ~Scratch()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string folder;
};

}  // namespace

const std::string& ScratchFolder()
{
    static const Scratch scratch;
    return scratch.folder;
}

std::string WriteScratchFile(const std::string& relative, const uint8_t* data, size_t size)
{
    const std::filesystem::path path = std::filesystem::path(ScratchFolder()) / relative;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return {};
    const bool written = size == 0 || std::fwrite(data, 1, size, out) == size;
    if (std::fclose(out) != 0 || !written) return {};
    return path.string();
}

void ClearRegistries()
{
    GetTextureInfoExMap().clear();
    vrk::GetTextureMap().clear();
}

FuzzAppServices::FuzzAppServices()
{
    random_.seed = 1;
    SetAppServices(this);
}

FuzzAppServices::~FuzzAppServices() { SetAppServices(nullptr); }

SpriteInfo FuzzAppServices::GetSpriteInfoEx(const std::string& name) { return LookUpSpriteInfoEx(name); }

}  // namespace fuzz
