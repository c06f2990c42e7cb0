// The class names level sources may use for object type ids.
#pragma once
#include <cstdint>
#include <string>

// The id of a class name; 0 for a name not in the table.
int32_t TypeIdOfName(const std::string& name);
// The class name of an id; empty for an id not in the table.
std::string NameOfTypeId(int32_t typeId);
