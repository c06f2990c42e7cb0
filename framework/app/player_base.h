// cPlayerBase: one player profile (name, options, achievements, results per level)
// and its file "middle.dat" in the profile's own folder. The application keeps one
// of them logged on at a time through its PlayerList; the game derives cPlayer.
#pragma once
#include <cstdint>
#include <string>

#include "framework/app/player_progress.h"

class PlayerList;

class cPlayerBase : public PlayerProgress {
public:
    // With an empty id the profile takes a new one from the list, which enters it
    // with an empty name; a given id leaves the list alone. The profile's folder is
    // created when it is missing. The vectors are sized by the list's counts and
    // the first level is open.
    cPlayerBase(PlayerList& list, const std::string& id);
    virtual ~cPlayerBase();
    cPlayerBase(const cPlayerBase&) = delete;
    cPlayerBase& operator=(const cPlayerBase&) = delete;

    // Also renames the profile's entry in the list (entered when absent).
    virtual void SetName(const std::string& name);
    // index clamped to the levels (negative gives 0); nothing without levels.
    virtual void SetCurrentLevel(int32_t index);
    // Reads "middle.dat". False, with the profile unchanged, when the file cannot
    // be read or is damaged (a damaged file is kept as "middle.dat.bad").
    virtual bool Load();
    // Writes "middle.dat" whole, replacing the old file only once the new one is
    // complete. A failure is logged by the file system only.
    virtual void Save();

    const std::string& GetId() const { return id_; }
    const std::string& GetName() const { return name_; }
    // "middle.dat" in the profile's folder; empty when the id is not a profile id.
    std::string GetFilePath() const;

private:
    PlayerList& list_;
    std::string id_;
    std::string name_;
    uint32_t levelCount_ = 0;
};
