// The About box (template 100): icon, name, version, and a short sound from
// the program's own resources each time it opens.
#pragma once

#include "app/framework/win32/dialog.h"

#define WM_PLAY_ABOUT_SOUND (WM_USER + 1)

class CAboutDialog : public CDialog
{
public:
    // sndPlaySoundA, or a stand-in that tests put in its place.
    typedef BOOL(WINAPI* PFN_SND_PLAY_SOUND)(LPCSTR pszSound, UINT fuSound);

    CAboutDialog();

    // Starts wave 146 from memory without waiting, cutting off a sound that
    // is still playing; silent when the resource or the sound device is
    // missing. Both parameters are ignored; the result is 0.
    LRESULT PlayAboutSound(WPARAM wParam, LPARAM lParam);

    // Returns the previous player so a test can put it back.
    static PFN_SND_PLAY_SOUND SetSoundPlayer(PFN_SND_PLAY_SOUND pfnPlaySound);

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
};
