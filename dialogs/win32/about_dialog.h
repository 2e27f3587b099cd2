// The About box (template 100): icon, name, version, and a short sound from
// the program's own resources each time it opens.
#pragma once

#include "framework/win32/dialog.h"
#include "platform/sound_player.h"

#define WM_PLAY_ABOUT_SOUND (WM_USER + 1)

class CAboutDialog : public CDialog
{
public:
    explicit CAboutDialog(ISoundPlayer& soundPlayer);

    // Starts wave 146 from memory without waiting, cutting off a sound that
    // is still playing; silent when the resource or the sound device is
    // missing. Both parameters are ignored; the result is 0.
    LRESULT PlayAboutSound();

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    ISoundPlayer& m_soundPlayer;
};
