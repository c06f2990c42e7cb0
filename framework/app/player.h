// cPlayer: the game's player profile. It keeps everything of cPlayerBase and adds
// nothing; the game application creates profiles of this class.
#pragma once
#include "framework/app/player_base.h"

class cPlayer : public cPlayerBase {
public:
    cPlayer(PlayerList& list, const std::string& id);
    ~cPlayer() override;
};
