// The sound device for tests: records every sound asked for, plays nothing.
#pragma once

#include <vector>

#include "platform/sound_player.h"

class CFakeSoundPlayer : public ISoundPlayer
{
public:
    struct Played
    {
        const char* pszSound;
        UINT fuSound;
    };

    BOOL SndPlaySound(const char* pszSound, UINT fuSound) override
    {
        m_played.push_back(Played{pszSound, fuSound});
        return TRUE;
    }

    std::vector<Played> m_played;
};
