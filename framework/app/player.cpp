// cPlayer: the game's player profile.
#include "framework/app/player.h"

cPlayer::cPlayer(PlayerList& list, const std::string& id) : cPlayerBase(list, id) {}

cPlayer::~cPlayer() = default;
