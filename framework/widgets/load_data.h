// cLoadData: one entry of the loading queue, a file to be loaded during the loading
// screen and registered under the file's name. The kinds (textures, sounds, music,
// streams) derive from it.
#pragma once
#include <memory>
#include <string>

#include "engine/files/path_record.h"

class cLoadData {
public:
    explicit cLoadData(const std::string& path);
    virtual ~cLoadData() = default;
    cLoadData(const cLoadData&) = delete;
    cLoadData& operator=(const cLoadData&) = delete;

    // Loads the file; the base loads nothing.
    virtual void Load() {}

    // Hands the item to the loading screen's queue. Without a loading screen the
    // item is dropped with a warning.
    static void Queue(std::unique_ptr<cLoadData> item);

    const vrk::PathRecord& GetPath() const { return path_; }
    // The key under which the loaded resource is registered.
    const std::string& GetName() const { return path_.name; }

private:
    vrk::PathRecord path_;
};
