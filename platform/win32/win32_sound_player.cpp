#include "platform/win32/win32_sound_player.h"

#include <mmsystem.h>

BOOL CWin32SoundPlayer::SndPlaySound(const char* pszSound, UINT fuSound)
{
    return ::sndPlaySoundA(pszSound, fuSound);
}
