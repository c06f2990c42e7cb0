// CreateFirstHint: the first tutorial step of a level's chain, by the level's name.
#pragma once
#include <memory>
#include <string>

class cTrain;

// Null for a level without a tutorial.
std::unique_ptr<cTrain> CreateFirstHint(const std::string& levelName);
