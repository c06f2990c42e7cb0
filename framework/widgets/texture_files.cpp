// The texture-file routines behind the loading functions of the data scripts.
#include "framework/widgets/texture_files.h"

#include <array>

#include "engine/files/file_system.h"
#include "engine/files/image_reader.h"
#include "engine/files/path_split.h"
#include "engine/render/image.h"
#include "engine/render/texture.h"
#include "engine/script/script.h"

namespace {

constexpr std::array<const char*, 3> kProbeExtensions = {".png", ".jpg", ".pvr"};
constexpr const char* kDescriptionExtension = "lua";

// Runs the description script beside the picture, when there is one.
void RunDescription(const vrk::PathRecord& picture)
{
    std::string scriptPath;
    vrk::MakePath(scriptPath, picture.drive, picture.archive, picture.folder, picture.name,
                  kDescriptionExtension);
    if (vrk::FileExists(scriptPath)) vrk::cScript::RunFile(scriptPath);
}

// The path to read: as given when it has an extension, else the probed one.
vrk::PathRecord ResolvePicture(const vrk::PathRecord& path)
{
    return path.extension.empty() ? ImageFileProbe(path) : path;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return vrk::AppendPathName(folder, name).path;
}

bool IsTextureExtension(const std::string& extension)
{
    return extension == "png" || extension == "jpg" || extension == "pvr";
}

vrk::PathRecord ImageFileProbe(const vrk::PathRecord& path)
{
    for (const char* extension : kProbeExtensions) {
        const std::string candidate = JoinPath(path.path, extension);
        if (vrk::FileExists(candidate)) return vrk::PathRecord(candidate);
    }
    return vrk::PathRecord();
}

int LoadTextureWithScript(const vrk::PathRecord& path, int mode)
{
    const vrk::PathRecord picture = ResolvePicture(path);
    if (picture.IsEmpty()) return kTextureFileNotFound;

    if (mode == kTextureReadNow) {
        vrk::cImage image;
        const int result = vrk::LoadImageFile(image, picture);
        if (result != vrk::kImageReadOk) return result;
        vrk::CreateTextureFromImage(picture.name, &image);
    } else {
        if (!vrk::FileExists(picture.path)) return kTextureFileNotFound;
        vrk::CreateTextureFromFile(picture.name, picture);
    }
    RunDescription(picture);
    return kTextureFileOk;
}

int UpdateTextureWithScript(const std::string& textureName, const vrk::PathRecord& path)
{
    const vrk::PathRecord picture = ResolvePicture(path);
    if (picture.IsEmpty()) return kTextureFileNotFound;

    vrk::cImage image;
    const int result = vrk::LoadImageFile(image, picture);
    if (result != vrk::kImageReadOk) return result;
    if (vrk::TexturePtr texture = vrk::FindTexture(textureName))
        texture->SetImage(&image);
    else
        vrk::CreateTextureFromImage(textureName, &image);
    RunDescription(picture);
    return kTextureFileOk;
}
