// The display preferences as the keyboard view and its key caps use them:
// how names fit their keys, how they are drawn, and the key font. The
// application hands its preferences store in from the top.
#pragma once

#include "platform/draw_types.h"

class IDisplayPreferences
{
public:
    enum
    {
        FONT_RECORD_BYTES = sizeof(CFontRecord) // a LOGFONTA record, 60 bytes
    };

    virtual int GetFitKeyname() = 0;      // nonzero: names shrink to fit
    virtual BOOL SetFitKeyname(int nValue) = 0;
    virtual int GetButtonTextType() = 0;  // 0 simple, 1 raised, 2 sunk
    virtual BOOL SetButtonTextType(int nValue) = 0;
    // FALSE, record untouched, when no font is stored.
    virtual BOOL GetFont(BYTE record[FONT_RECORD_BYTES]) = 0;
    virtual BOOL SetFont(const BYTE record[FONT_RECORD_BYTES]) = 0;

protected:
    // Never deleted through this interface; trivial, so that a store can be
    // a constant-initialised global.
    ~IDisplayPreferences() = default;
};
