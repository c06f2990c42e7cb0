// ResourceBag: the carried load and its source.
#include "framework/objects/resource_bag.h"

void ResourceBag::Clear()
{
    ResourceVector::Clear();
    source = nullptr;
}

bool ResourceBag::IsEmpty() const { return source == nullptr || IsZero(); }

void ResourceBag::Assign(const ResourceVector& amounts, cGameObject* from)
{
    // One entry per resource kind, whatever length the given vector has.
    for (size_t i = 0; i < Size(); ++i) this->amounts[i] = amounts.At(i);
    source = from;
}
