// COwnedObArray: an object array that owns its elements. They are deleted
// with the array however the scope that holds it ends (a return, an
// exception), so no path needs a clean-up of its own.
#pragma once

#include "framework/core/ObArray.h"

class COwnedObArray : public CObArray {
public:
    COwnedObArray() = default;
    COwnedObArray(const COwnedObArray&) = delete;
    COwnedObArray& operator=(const COwnedObArray&) = delete;
    ~COwnedObArray() override { DeleteAll(); }
};
