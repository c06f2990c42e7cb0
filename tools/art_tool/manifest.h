// Runs an art manifest and writes every texture it lists: the PNG and, when the
// texture has sprites, its description script beside it.
#pragma once
#include <string>

struct ManifestResult {
    int texturesWritten = 0;
    int problems = 0;  // warnings and failed textures; 0 on a clean run
    bool ran = false;  // false when the manifest itself could not run
};

ManifestResult BuildManifest(const std::string& manifestFile, const std::string& outputFolder);
