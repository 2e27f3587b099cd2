#include "dialogs/win32/about_dialog.h"

#include <mmsystem.h>

#include "res/resource.h"

CAboutDialog::CAboutDialog(ISoundPlayer& soundPlayer)
    : CDialog(IDD_ABOUTBOX), m_soundPlayer(soundPlayer)
{
}

BOOL CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlayAboutSound();
    return TRUE;
}

LRESULT CAboutDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_PLAY_ABOUT_SOUND: return PlayAboutSound();
    default: return CDialog::WindowProc(nMsg, wParam, lParam);
    }
}

LRESULT CAboutDialog::PlayAboutSound()
{
    ::UpdateWindow(m_hWnd);
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hResource = ::FindResourceA(hModule, MAKEINTRESOURCEA(IDR_ABOUT_WAVE), "WAVE");
    if (hResource == NULL)
        return 0;
    HGLOBAL hImage = ::LoadResource(hModule, hResource);
    const void* pImage = hImage != NULL ? ::LockResource(hImage) : nullptr;
    if (pImage == nullptr)
        return 0;
    // The resource stays loaded with the module, so the memory outlives the sound.
    m_soundPlayer.SndPlaySound((LPCSTR)pImage, SND_ASYNC | SND_MEMORY);
    return 0;
}
