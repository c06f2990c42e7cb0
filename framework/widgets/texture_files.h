// Texture files of the data tree: finding a picture by trying its extensions, and
// loading (or reloading) a texture together with its Lua description, the script
// beside the picture that cuts it into sprites.
#pragma once
#include <string>

#include "engine/files/path_record.h"

// How LoadTextureWithScript makes the texture.
enum TextureReadMode : int {
    kTextureReadNow = 0,    // decode the picture at once
    kTextureReadLater = 1,  // remember the path; decoded when first used
};

// Results of the texture routines besides the image reader's own codes.
enum TextureFileResult : int {
    kTextureFileOk = 0,
    kTextureFileNotFound = 2,
};

// The path with ".png", ".jpg" or ".pvr" appended, the first that is on disk; an
// empty record when none is.
vrk::PathRecord ImageFileProbe(const vrk::PathRecord& path);

// Makes the texture named after the file (probing the extension when the path has
// none), then runs "NAME.lua" beside it when there is one. 0 success, 2 no such
// file, otherwise the image reader's code.
int LoadTextureWithScript(const vrk::PathRecord& path, int mode);

// Reads the picture now and gives it to the texture of that name (made when the
// registry has none), then runs the description. 0 success, 2 no such file,
// otherwise the image reader's code.
int UpdateTextureWithScript(const std::string& textureName, const vrk::PathRecord& path);

// The name appended to the folder: a separator goes between unless the folder ends
// in one or the name starts with ".".
std::string JoinPath(const std::string& folder, const std::string& name);

// True for the picture extensions the loaders accept (compared exactly).
bool IsTextureExtension(const std::string& extension);
