// Sound through winmm.
#pragma once

#include "platform/sound_player.h"

class CWin32SoundPlayer : public ISoundPlayer
{
public:
    BOOL SndPlaySound(const char* pszSound, UINT fuSound) override;
};
