// One key drawn on the keyboard view, of the base or the remapped keyboard.
// Not a window: a rectangle taken from the form's hidden button, the key's
// codes, what it produces now, its visual state and its fitted font.
#pragma once

#include <string>

#include "platform/platform_types.h"
#include "model/word_hash_map.h"

class CVelloricView;

// What every cap of one paint draws with, read once per paint: the caps'
// own state lives in the DC only for the length of a cap.
struct CCapPaint
{
    BOOL bContrast;       // a high-contrast theme: the system's colours
    int nButtonTextType;  // the key-name style
    int nBkMode;          // the DC's background mode when the paint began
    HFONT hKeyFont;       // for a cap without a fitted font of its own
};

class CKeyCap
{
public:
    enum
    {
        KEYSTATE_UP = 0,
        KEYSTATE_DOWN = 1,
        KEYSTATE_HILITE = 2,
        KEYSTATE_UNHILITE = 4
    };

    CKeyCap(CVelloricView* pView, WORD wTableCode, int nID, WORD wScancode, BOOL bOnRemapBoard);
    virtual ~CKeyCap();

    BOOL IsOnRemapBoard() const { return m_bOnRemapBoard; }
    BOOL IsRemapped() const { return m_wProduced != 0; }
    WORD GetScancode() const { return m_wScancode; }
    WORD GetEffectiveCode() const { return m_wProduced != 0 ? m_wProduced : m_wScancode; }
    WORD GetTableCode() const { return m_wTableCode; }
    WORD GetProduced() const { return m_wProduced; }
    int GetID() const { return m_nID; }
    int GetState() const { return m_nState; }
    const RECT& GetRect() const { return m_rect; }
    // The view rescaled to another DPI: the cap's new place (Layout follows).
    void SetRect(const RECT& rc) { m_rect = rc; }
    // What Layout decided: the label's font (empty face: the key font), format and place.
    const LOGFONTA& GetFitFont() const { return m_lfFit; }
    const RECT& GetTextRect() const { return m_rectText; }

    // Takes the rectangle of the form's button with this cap's id, in the
    // view's client coordinates, then destroys the button.
    void AttachToControl();
    void UpdateToolTip();
    void SetProduced(WORD wProduced);
    void ClearProduced();
    // The list maps the key to 0: drawn as a key not remapped, but its tool
    // tip and status text say that it produces nothing. SetProduced ends it.
    void SetSendsNothing();
    BOOL SendsNothing() const { return m_bSendsNothing; }
    // The tool tip and status-bar text: the label, or "... produces nothing".
    void GetHint(std::string& strHint) const;
    // Changes the state and paints the cap before returning.
    void SetState(int nRequest);
    void GetLabel(std::string& strLabel) const;
    // The key's own label, whatever it produces now.
    void GetOwnLabel(std::string& strLabel) const;
    // Fits the label to the cap and makes what drawing needs: the label as
    // drawn and its fitted font. Run whenever the rectangle, the label, the
    // key font or the fit preference changes.
    void Layout(HDC hDC);
    // Draws the cap; the caller saves and restores hDC around all the caps.
    void Draw(HDC hDC, const CCapPaint& paint) const;

    static void RecreateKeyFont(const LOGFONTA& lf);
    // Whether a high-contrast theme is on: then the caps take the system's colours.
    static BOOL IsHighContrast();
    // g_keyFont, made from the view's font when it holds none yet.
    static HFONT GetKeyFont();

private:
    void DrawInContrast(HDC hDC, const CCapPaint& paint) const;
    // Selects the label's font, the fitted one or the key font, into hDC.
    void SelectLabelFont(HDC hDC, const CCapPaint& paint) const;
    void DrawLabel(HDC hDC, RECT rcDraw) const;

    RECT m_rect;
    int m_nID;
    int m_nState;
    WORD m_wScancode;
    WORD m_wTableCode;
    WORD m_wProduced;
    UINT m_bOnRemapBoard : 1;
    UINT m_bSendsNothing : 1;
    LOGFONTA m_lfFit;
    UINT m_nDrawFormat;
    RECT m_rectText;
    std::string m_strDrawn; // the label as drawn: its alias, when it has one
    HFONT m_hFitFont;       // made from m_lfFit at layout; NULL: the key font

    CKeyCap(const CKeyCap&) = delete;
    CKeyCap& operator=(const CKeyCap&) = delete;
};

// The view that owns the caps; every cap's construction sets it.
extern CVelloricView* g_pKeyboardView;
// The shared key-name font; none until first needed.
extern HFONT g_keyFont;
// Key id -> base-keyboard cap, and scancode -> remapped-keyboard cap.
extern CWordHashMap<CKeyCap*> g_baseCapMap;
extern CWordHashMap<CKeyCap*> g_remapCapMap;
