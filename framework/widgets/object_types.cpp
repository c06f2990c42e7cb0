// RegisterFrameworkObjectTypes: type id -> class for the objects the screens add.
#include "framework/widgets/object_types.h"

#include <memory>

#include "framework/objects/achieve.h"
#include "framework/objects/animal.h"
#include "framework/objects/comics_frame.h"
#include "framework/objects/comics_text.h"
#include "framework/objects/map_path.h"
#include "framework/objects/map_point.h"
#include "framework/objects/render_area.h"
#include "framework/objects/render_highlight.h"
#include "framework/widgets/object_factory.h"

namespace {

template <typename T>
std::unique_ptr<cObject> Make(cObjectOwner* owner)
{
    return std::make_unique<T>(owner);
}

}  // namespace

void RegisterFrameworkObjectTypes()
{
    RegisterObjectType(kTypeRenderArea, &Make<cRenderArea>);
    RegisterObjectType(kTypeRenderHighlight, &Make<cRenderHighlight>);
    RegisterObjectType(kTypeAnimal, &Make<cAnimal>);
    // The map's, the achievements' and the comics' objects.
    RegisterObjectType(kTypeMapPoint, &Make<cMapPoint>);
    RegisterObjectType(kTypeMapPath, &Make<cMapPath>);
    RegisterObjectType(kTypeAchieve, &Make<cAchieve>);
    RegisterObjectType(kTypeComicsFrame, &Make<cComicsFrame>);
    RegisterObjectType(kTypeComicsText, &Make<cComicsText>);
}
