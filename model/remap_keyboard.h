// The remapped keyboard's keys with what each produces now: the view that
// shows the list implements this next to IDocumentView. The lost-key check
// itself works on the document's whole list (CListKeyboard).
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
