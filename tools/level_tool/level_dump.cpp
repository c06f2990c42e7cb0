// Level source text of a loaded level.
#include "level_dump.h"

#include <cstdio>

#include "framework/objects/fly_decor.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_file.h"
#include "object_type_names.h"

namespace {

std::string TypeText(int32_t typeId)
{
    const std::string name = NameOfTypeId(typeId);
    return name.empty() ? std::to_string(typeId) : QuoteLua(name);
}

}  // namespace

std::string LuaNumber(float value)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
    return text;
}

std::string QuoteLua(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof(escape), "\\%03u", static_cast<unsigned>(byte));
                quoted += escape;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

std::string DumpLevel(const cLevelFile& level)
{
    std::string out = "-- Level source: compile with level_tool.\n";
    out += "level { name = " + QuoteLua(level.GetLevelName()) + ", version = " + std::to_string(level.GetVersion()) +
           ", last_id = " + std::to_string(level.GetLastObjectId()) + " }\n\n";
    for (const cObject* object : level.Objects()) {
        out += "object { type = " + TypeText(object->GetTypeId());
        out += ", id = " + std::to_string(static_cast<uint32_t>(object->GetId()));
        out += ", layer = " + std::to_string(object->GetLayer());
        out += ",\n  name = " + QuoteLua(object->GetName());
        out += ", sprite = " + QuoteLua(object->GetSprite());
        out += ", tag = " + QuoteLua(object->GetText());
        out += ", data = " + std::to_string(object->GetLinkId());
        const vec2 position = object->GetPosition();
        const vec2 scale = object->GetScale();
        out += ",\n  x = " + LuaNumber(position.x) + ", y = " + LuaNumber(position.y);
        out += ", angle = " + LuaNumber(object->GetAngle());
        out += ", scale_x = " + LuaNumber(scale.x) + ", scale_y = " + LuaNumber(scale.y);
        if (const auto* flyer = dynamic_cast<const cFlyDecor*>(object)) {
            out += ",\n  home_x = " + LuaNumber(flyer->GetHome().x) + ", home_y = " + LuaNumber(flyer->GetHome().y);
        }
        out += " }\n";
    }
    return out;
}
