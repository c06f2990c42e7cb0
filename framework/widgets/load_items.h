// The kinds of loading-queue entries: a texture (with its description script), a
// sound sample, a tracker module played as music, and a streamed piece of music.
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/load_data.h"

class cLoadTexture : public cLoadData {
public:
    using cLoadData::cLoadData;
    // Nothing when the texture registry already holds a texture of the name.
    void Load() override;
    // kTextureReadNow (0) decodes at once, kTextureReadLater (1) when first used.
    virtual void SetParam(int32_t parameter) { parameter_ = parameter; }
    int32_t GetParam() const { return parameter_; }

private:
    int32_t parameter_ = 0;
};

class cLoadSound : public cLoadData {
public:
    using cLoadData::cLoadData;
    // A failed read registers nothing.
    void Load() override;
    // The sample's simultaneous playbacks (the reader holds it to 1..20).
    virtual void SetParam(int32_t parameter) { parameter_ = parameter; }
    int32_t GetParam() const { return parameter_; }

private:
    int32_t parameter_ = 0;
};

class cLoadMusic : public cLoadData {
public:
    using cLoadData::cLoadData;
    // Reads the module unless one of the name is there, then makes the music.
    void Load() override;
};

class cLoadStream : public cLoadData {
public:
    using cLoadData::cLoadData;
    // Opens the stream unless one of the name is there, then makes the music.
    void Load() override;
};
