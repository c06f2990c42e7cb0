// cSceneSave: how a screen whose scene is a level file keeps it. A scene that
// loaded only in part (its file holds an entry this version cannot read: from a
// newer version, or damaged) is never stored back, since every entry after the
// first unreadable one would be lost. The editor's "_save" shows in a message box
// why nothing reached the disk, and only a save that did plays the click. The
// level screen and the map, menu, achievements and comics screens each hold one.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

class cBaseWidget;

namespace vrk {
class cByteStream;
}

class cSceneSave {
public:
    // The message box texts of a "_save" that wrote nothing.
    struct Notices {
        const char* partLoaded;
        const char* notWritten;
    };

    // sender names the screen in the log.
    cSceneSave(const char* sender, Notices notices);

    // The screen's own LoadLevel, remembering whether it read every entry.
    bool Load(cBaseWidget& screen, vrk::cByteStream& stream, int32_t hint);
    bool IsLoadedWhole() const { return loadedWhole_; }

    // The scene into the stream; false (logged with what, the stream keeps its
    // bytes) when the scene loaded only in part.
    bool Store(cBaseWidget& screen, vrk::cByteStream& stream, uint32_t version, const std::string& what) const;

    // The rest of "_save" once stored tells whether the scene was stored: write
    // puts it on disk and answers whether it got there. A scene not stored or a
    // failed write shows its notice and plays no click; true when saved.
    bool Save(bool stored, const std::function<bool()>& write) const;

private:
    void ShowNotice(const char* text) const;

    const char* sender_;
    Notices notices_;
    bool loadedWhole_ = true;
};
