// The system's sound: winmm's sndPlaySoundA in the program, a recorder in
// tests (and on machines without a sound device the call simply fails).
#pragma once

#include "platform/platform_types.h"

class ISoundPlayer
{
public:
    virtual ~ISoundPlayer() {}
    // sndPlaySoundA(pszSound, fuSound): with SND_MEMORY pszSound is a wave image.
    virtual BOOL SndPlaySound(const char* pszSound, UINT fuSound) = 0;
};
