// PlayerList: the application's player profiles. It keeps the list of profiles
// (id -> display name, in id order) with the number of the next new profile, stores
// them in "{AppPath}/profile/info.dat", and holds the one logged-on profile. The
// application object owns one and forwards its profile operations to it; the
// profile objects themselves come from the application's CreatePlayer.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

class cPlayerBase;

// Results of DeletePlayer.
enum DeletePlayerResult : int32_t {
    kPlayerDeleted = 0,
    kDeleteNoActivePlayer = 1,
    kDeleteActivePlayer = 2,
    kDeleteUnknownPlayer = 3,  // empty, malformed or not in the list
};

// Results of LogonPlayer.
enum LogonPlayerResult : int32_t {
    kPlayerLoggedOn = 0,
    kLogonRefused = 1,  // not a profile id
};

class PlayerList {
public:
    // Sizes of every new profile's vectors.
    struct Counts {
        uint32_t achievements = 0;
        uint32_t names = 0;
        uint32_t levels = 0;
    };
    // Makes the profile object for an id ("" = a new profile).
    using PlayerFactory = std::function<std::unique_ptr<cPlayerBase>(const std::string& id)>;
    // Asked each time a profile is made, so it sees the definitions of the moment.
    using CountsSource = std::function<Counts()>;

    PlayerList(PlayerFactory factory, CountsSource counts);
    ~PlayerList();
    PlayerList(const PlayerList&) = delete;
    PlayerList& operator=(const PlayerList&) = delete;

    // Reads "info.dat" into the list (entries with the same id are overwritten,
    // others kept) and gives the stored active id. Ids that are not profile ids are
    // skipped. False when the file is missing (the list is unchanged and the active
    // id empty) or empty or damaged: such a file is kept as "info.dat.bad" and the
    // list is rebuilt from the profile folders on disk.
    bool ReadPlayerList(std::string& activeId);
    // Writes "info.dat": the next number, the list and the active id. Returns 0.
    int32_t SavePlayerList();

    // Makes a profile with a new id and the name, writes its "middle.dat" and the
    // list, and returns the id. The active player stays.
    std::string AddPlayer(const std::string& name);
    // Removes a listed profile that is not the active one, with its folder.
    int32_t DeletePlayer(const std::string& id);
    // Saves and drops the active profile, then logs on the id's profile (loaded from
    // its file when there is one); an empty id makes a new profile.
    int32_t LogonPlayer(const std::string& id);
    // "{AppPath}/profile/" + id + "/"; empty for an empty id or a malformed one.
    static std::string GetPlayerFolder(const std::string& id);
    // The first id, in id order, with that name; empty when none.
    std::string FindPlayerByName(const std::string& name) const;

    // Null before the first logon.
    cPlayerBase* GetActivePlayer() const { return activePlayer_.get(); }
    // Marks the achievement of that index unlocked and new for the active player.
    // False (nothing changes) without an active player, for an index outside the
    // player's achievements, or when it was already unlocked.
    bool UnlockAchievement(size_t index);

    const std::map<std::string, std::string>& GetPlayers() const { return players_; }
    uint32_t GetNextProfileNumber() const { return nextProfileNumber_; }
    Counts GetCounts() const;

    // For the profile objects: takes a new id, past every listed id and every
    // existing profile folder, and enters it with an empty name. Empty when no
    // number is left.
    std::string AddNewProfile();
    // The list entry of a profile id := name (entered when absent).
    void SetPlayerName(const std::string& id, const std::string& name);

private:
    // Enters every profile folder with a readable "middle.dat" (its stored name),
    // moves the next number past them, and makes the one saved last the active id.
    void RecoverPlayerList(std::string& activeId);

    PlayerFactory factory_;
    CountsSource counts_;
    std::map<std::string, std::string> players_;
    uint32_t nextProfileNumber_ = 0;
    std::unique_ptr<cPlayerBase> activePlayer_;
};
