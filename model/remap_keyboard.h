// The remapped keyboard as the document reaches it: the view that shows the
// list implements this next to IDocumentView, and the document finds it by
// casting its first view.
#pragma once

#include <vector>

#include "model/remapped_key.h"

class IRemapKeyboard
{
public:
    virtual ~IRemapKeyboard() {}
    // Every key of the remapped keyboard, in the order the view created them
    // (the key table's order), each with the code it produces now.
    virtual void GetRemappedKeys(std::vector<CRemappedKey>* pKeys) = 0;
};
