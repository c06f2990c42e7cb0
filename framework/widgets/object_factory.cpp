// The type table of the scene-object factory, seeded with the framework's scenery.
#include "framework/widgets/object_factory.h"

#include <map>

#include "framework/objects/back.h"
#include "framework/objects/decor.h"
#include "framework/objects/fly_decor.h"
#include "framework/objects/node.h"
#include "framework/objects/object.h"
#include "framework/objects/particles_decor.h"

namespace {

template <typename T>
std::unique_ptr<cObject> Make(cObjectOwner* owner)
{
    return std::make_unique<T>(owner);
}

using CreatorTable = std::map<int32_t, ObjectCreator>;

CreatorTable& Table()
{
    // Seeded on first use, so the built-in classes are there whatever the order in
    // which static objects of the program are made.
    static CreatorTable table{
        {kTypeObject, &Make<cObject>},
        {kTypeDecor, &Make<cDecor>},
        {kTypeNode, &Make<cNode>},  // its constructor puts it on layer 7 with link id 0
        {kTypeBack, &Make<cBack>},
        {kTypeParticlesDecor, &Make<cParticlesDecor>},
        {kTypeFlyDecor, &Make<cFlyDecor>},
    };
    return table;
}

}  // namespace

void RegisterObjectType(int32_t typeId, ObjectCreator creator)
{
    if (creator == nullptr) {
        Table().erase(typeId);
        return;
    }
    Table()[typeId] = creator;
}

void UnregisterObjectType(int32_t typeId) { Table().erase(typeId); }

bool IsObjectTypeRegistered(int32_t typeId) { return Table().count(typeId) != 0; }

std::unique_ptr<cObject> CreateObjectOfType(int32_t typeId, cObjectOwner* owner)
{
    const auto entry = Table().find(typeId);
    if (entry == Table().end()) return nullptr;
    return entry->second(owner);
}
