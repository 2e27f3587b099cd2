// The running application with its keyboard view, driven by real mouse
// messages at the centres of the caps, with a look at what it painted.
#pragma once

#include <string>

#include "tests/support/scancode_map_bytes.h"
#include "tests/win32/startup_fixture.h"
#include "view/win32/key_cap.h"
#include "view/win32/velloric_view.h"

class CVelloricDoc;

// What the view painted, copied out of its window.
class CViewImage
{
public:
    explicit CViewImage(HWND hWnd);
    ~CViewImage();
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    int Count(const RECT& rc, COLORREF cr) const;

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

class KeyboardViewFixture : public StartupFixture
{
protected:
    // Key ids of the base keyboard and scancodes used throughout.
    enum
    {
        ID_A = 28,
        ID_B = 43,
        ID_N = 44,
        ID_CAPS = 1002,
        SC_A = 0x1E,
        SC_B = 0x30,
        SC_N = 0x31,
        SC_C = 0x2E,
        SC_CAPS = 0x3A,
        SC_LEFT = 0xE04B
    };

    KeyboardViewFixture();
    ~KeyboardViewFixture() override;

    // Starts the application with the registry holding pairs (none: no value).
    void StartWithList(const PairList& pairs, const std::vector<std::string>& args = {});

    CVelloricView* View() const;
    HWND ViewWindow() const;
    CVelloricDoc* Doc() const;
    static CKeyCap* Base(WORD wKeyId);
    static CKeyCap* Remap(WORD wScancode);
    static POINT Centre(const CKeyCap* pCap);
    static std::string Label(const CKeyCap* pCap);

    void Press(POINT pt);
    void Move(POINT pt, WPARAM wFlags = MK_LBUTTON);
    void Release(POINT pt);
    // Press on from, move onto to, release there.
    void Drag(const CKeyCap* pFrom, const CKeyCap* pTo);

    // The record of the shared key font.
    static LOGFONTA KeyFont();
    // Caps laid out in a fitted font of their own (not a symbol font).
    static int FittedCapCount();

    std::string List() const; // the document's list as "PHYS:PROD ..."
    std::string StatusText() const;
    std::string PreferenceKey() const;
    // The check mark of a menu item after the frame has updated its popup.
    BOOL MenuChecked(UINT nID);
};
