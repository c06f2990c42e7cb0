// Runs a sound manifest and writes every sound it lists as a mono OGG Vorbis file.
#pragma once
#include <string>

struct SoundManifestResult {
    int soundsWritten = 0;
    int problems = 0;
    bool ran = false;
};

SoundManifestResult BuildSoundManifest(const std::string& manifestFile, const std::string& outputFolder);
