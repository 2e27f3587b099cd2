// The keyboard view at another DPI: the form rescales its own controls and
// font; the caps, which replaced the form's key buttons, take their places
// scaled the same way, and the key font and every fitted label follow.
#include "view/win32/velloric_view.h"

#include <cstring>

#include "framework/dpi_scale.h"
#include "framework/win32/window_dpi.h"
#include "view/key_fit.h"
#include "view/win32/key_cap.h"

void CVelloricView::ScaleKeyFont(LOGFONTA* plf, BOOL bToView) const
{
    int nSystem = (int)CWindowDpi::ForSystem();
    int nView = (int)GetDpi();
    plf->lfHeight = bToView ? CDpiScale::ScaleFontHeight(plf->lfHeight, nView, nSystem)
                            : CDpiScale::ScaleFontHeight(plf->lfHeight, nSystem, nView);
}

void CVelloricView::RecreateKeyFontForDpi()
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    BYTE record[IDisplayPreferences::FONT_RECORD_BYTES];
    if (m_preferences.GetFont(record))
    {
        std::memcpy(&lf, record, sizeof lf);
        ScaleKeyFont(&lf, TRUE);
    }
    else
    {
        // No font of the user's: the key font comes from the form's, rescaled already.
        HFONT hFormFont = GetFormFont();
        ::GetObjectA(hFormFont != NULL ? (HGDIOBJ)hFormFont : ::GetStockObject(DEFAULT_GUI_FONT),
                     sizeof lf, &lf);
        lf = CKeyFit::KeyFontFromFormFont(lf);
    }
    CKeyCap::RecreateKeyFont(lf);
}

void CVelloricView::OnDpiChanged(UINT nDpi)
{
    UINT nOld = GetDpi();
    if (m_hWnd == NULL || nDpi == 0 || nDpi == nOld)
        return;
    std::vector<CKeyCap*> caps;
    GetCapsInOrder(caps);
    if (m_nCapsBaseDpi == 0)
    {
        m_nCapsBaseDpi = nOld;
        for (CKeyCap* pCap : caps)
            m_capsBase.push_back(CCapPlace{pCap, pCap->GetRect()});
    }
    CFormView::OnDpiChanged(nDpi);
    for (const CCapPlace& place : m_capsBase)
        place.pCap->SetRect(CDpiScale::ScaleRect(place.rc, (int)nDpi, (int)m_nCapsBaseDpi));
    RecreateKeyFontForDpi();
    RelayoutAllKeys();
    for (CKeyCap* pCap : caps)
        pCap->UpdateToolTip();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}
