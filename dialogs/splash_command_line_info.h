// The command-line record with the framework's start-up display switch: a
// program started for embedding or automation shows nothing at start-up, so
// the tip of the day stays away too.
#pragma once

#include "framework/command_line_info.h"

class CSplashCommandLineInfo : public CCommandLineInfo
{
public:
    // "Embedding" and "Automation" after "-" or "/", in any case, clear
    // m_bShowSplash; everything else is the framework's.
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

    BOOL m_bShowSplash = TRUE;
};
