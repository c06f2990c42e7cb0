// ResourceBag: what a walker carries: an amount per resource kind and the object
// the load was taken from. A load without its source counts as empty, so a bag
// that lost track of where it came from is never delivered.
#pragma once
#include "framework/objects/resource_vector.h"

class cGameObject;

class ResourceBag : public ResourceVector {
public:
    ResourceBag() = default;

    // Zeroes every amount and forgets the source.
    void Clear();
    // True when every amount is 0 or there is no source.
    bool IsEmpty() const;
    // The amounts and the source at once.
    void Assign(const ResourceVector& amounts, cGameObject* from);

    cGameObject* source = nullptr;
};
