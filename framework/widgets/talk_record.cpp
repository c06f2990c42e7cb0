// The sprite names of a talk line's speaker.
#include "framework/widgets/talk_record.h"

std::string TalkFaceName(const std::string& speaker) { return speaker + "_face"; }

std::string TalkEyeName(const std::string& speaker, const std::string& variant)
{
    return variant.empty() ? speaker + "_eye" : speaker + "_eye_" + variant;
}

std::string TalkMouthName(const std::string& speaker) { return speaker + "_mouth"; }
