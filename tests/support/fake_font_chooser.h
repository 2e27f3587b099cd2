// The font dialog for tests: records what it was given, answers as told.
#pragma once

#include "platform/font_chooser.h"

class CFakeFontChooser : public IFontChooser
{
public:
    BOOL ChooseFont(HWND hOwner, CFontRecord* pRecord, DWORD dwFlags) override
    {
        ++m_nCalls;
        m_hOwner = hOwner;
        m_dwFlags = dwFlags;
        m_given = *pRecord;
        if (m_bAnswerOk)
            *pRecord = m_chosen;
        else
            pRecord->lfHeight = -99; // a cancelled dialog may leave anything behind
        return m_bAnswerOk;
    }

    BOOL m_bAnswerOk = FALSE;
    CFontRecord m_chosen = {};
    CFontRecord m_given = {};
    HWND m_hOwner = nullptr;
    DWORD m_dwFlags = 0;
    int m_nCalls = 0;
};
