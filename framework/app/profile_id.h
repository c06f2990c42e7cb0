// Profile ids and folders. A profile id is also the name of the profile's folder
// below "{AppPath}/profile/", and a folder is removed with everything in it when its
// profile is deleted; so an id is only ever taken from the one safe form "plr" and
// decimal digits, whatever a file says.
#pragma once
#include <cstdint>
#include <string>

// The folder that holds "info.dat" and one folder per profile.
inline constexpr const char* kProfileRoot = "{AppPath}/profile/";
inline constexpr const char* kProfileListFile = "{AppPath}/profile/info.dat";
inline constexpr const char* kPlayerFileName = "middle.dat";
// Suffix of the copy a damaged profile file keeps before it is written anew.
inline constexpr const char* kDamagedFileSuffix = ".bad";

// Largest number a new id takes: nine digits stay well inside the signed range the
// formatter prints, so "plr%03i" never turns negative.
inline constexpr uint32_t kMaxProfileNumber = 999999999;

// True for "plr" followed by 1 to 9 decimal digits.
bool IsValidProfileId(const std::string& id);

// "plr%03i" of the number.
std::string MakeProfileId(uint32_t number);
