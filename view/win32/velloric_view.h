// The keyboard form view: the base keyboard above the remapped keyboard, both
// made of key caps. A base key dragged onto a key remaps that key; a key
// dropped on its own place, or a remapped key clicked, gets its own code back.
// It also shows key names in the status bar and tool tips, and carries out
// the display commands (key-name style, fitting, font).
//
// The caps and their maps are process-wide and made once per process; the
// view that made them deletes them when its window goes, so that a later view
// in the same process starts afresh.
#pragma once

#include <string>
#include <vector>

#include "framework/cmd_target.h"
#include "framework/win32/view.h"
#include "model/remap_keyboard.h"
#include "model/remap_pair.h"
#include "model/word_hash_map.h"
#include "platform/font_chooser.h"
#include "platform/keyboard_services.h"
#include "view/display_preferences.h"

class CKeyCap;
class CVelloricDoc;

class CVelloricView : public CFormView, public IRemapKeyboard
{
public:

    CVelloricView(IKeyboardServices& keyboard, IFontChooser& fontChooser,
                  IDisplayPreferences& preferences);
    ~CVelloricView() override;

    void DoDataExchange(BOOL bSaveAndValidate);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    // The form, the caps' places and the key font for nDpi; the labels fitted anew.
    void OnDpiChanged(UINT nDpi) override;
    void OnUpdate(IDocumentView* pSender, long lHint) override;
    void OnDraw(HDC hDC);

    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;
    // IRemapKeyboard: the remapped keyboard's caps in the key table's order.
    void GetRemappedKeys(std::vector<CRemappedKey>* pKeys) override;

    IKeyboardServices& GetKeyboard() { return m_keyboard; }
    IDisplayPreferences& GetPreferences() { return m_preferences; }
    CVelloricDoc* GetVelloricDoc() const;
    HWND GetToolTip() const { return m_hToolTip; }

    CKeyCap* HitTest(POINT pt) const;
    static CKeyCap* FindKeyAt(const CWordHashMap<CKeyCap*>& map, POINT pt);
    void RelayoutAllKeys();

    // The gesture under way, for a look from outside: the key pressed or
    // dragged, the key highlighted as the drop target, the drag cursor.
    const CKeyCap* GetDragKey() const { return m_pDragKey; }
    const CKeyCap* GetHoverKey() const { return m_pHoverKey; }
    HCURSOR GetDragCursor() const { return m_hDragCursor; }

    // The key context menu's commands on a key of the remapped keyboard:
    // ID_KEY_PRODUCE_NOTHING maps it to 0, ID_KEY_PRODUCE_OWN removes its
    // mapping. FALSE for another command or no key.
    BOOL ApplyKeyCommand(CKeyCap* pCap, UINT nID);
    // The cap with the focus cue: what the keys act on (the base keyboard's
    // Esc until the cue first moves).
    CKeyCap* GetFocusKey() const;
    BOOL IsFocusTipShown() const;
    // Every cap, the base keyboard's then the remapped keyboard's, in map order.
    static void GetCapsInOrder(std::vector<CKeyCap*>& caps);

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode();
    LRESULT OnKeyDown(UINT nMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // A press or a double click: either starts a gesture.
    LRESULT OnLButtonDown(UINT nMsg, UINT nFlags, POINT pt);
    void StartGesture(POINT pt);
    LRESULT OnMouseMove(UINT nFlags, POINT pt);
    LRESULT OnLButtonUp(UINT nFlags, POINT pt);
    LRESULT OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnFontSetup(UINT nID);
    void OnCancelDrag(UINT nID);
    void OnFitKeyName(UINT nID);
    void OnUpdateFitKeyName(CCmdUI* pCmdUI);
    LRESULT OnInputLangChange(WPARAM wParam, LPARAM lParam);
    void OnKeyNameStyle(UINT nID);
    void OnUpdateKeyNameStyle(CCmdUI* pCmdUI);
    // WM_CONTEXTMENU: the key menu for the cap under the point (screen
    // coordinates; -1, -1 when the keyboard asks for the menu).
    LRESULT OnContextMenu(LPARAM lParam);

private:
    void CreateKeyCaps(CWordHashMap<CKeyCap*>& map, int nOffset);
    void AddKeyCap(CWordHashMap<CKeyCap*>& map, int nOffset, WORD wKeyId, WORD wTableCode);
    void ReleaseKeyCaps();
    void LoadDragCursor();
    void DestroyDragCursor();
    void DragOver(POINT pt);
    void TrackPress(POINT pt);
    void EndDrag(POINT pt, BOOL bCancel);
    void DropKey(POINT pt);
    void ReleasePress();
    // The gesture ended without a release of ours: put its keys back.
    void AbandonGesture();
    // The remapped-keyboard cap that a cap of either keyboard stands for.
    static CKeyCap* RemapCapOf(CKeyCap* pCap);
    // One pair of the list on its cap: what it produces, or nothing.
    static void ShowPair(CKeyCap* pCap, const CRemapPair& pair);
    void Paint();
    // Keyboard operation (velloric_view_keyboard.cpp).
    void MoveFocus(int nMove);
    void SetFocusKey(CKeyCap* pCap);
    void PressFocusKey();
    void ShowFocusKeyName();
    void ShowFocusTip(const CKeyCap* pCap, const std::string& strLabel);
    void HideFocusTip();
    void DrawFocusCue(HDC hDC);
    // Tells assistive technology where the cue is (velloric_view_accessible.cpp).
    void OnFocusKeyChanged();
    // The chosen key font is kept at the system's DPI, as a system-aware
    // program kept it; the view draws it at its own (velloric_view_dpi.cpp).
    void ScaleKeyFont(LOGFONTA* plf, BOOL bToView) const;
    void RecreateKeyFontForDpi();

    struct CCapPlace
    {
        CKeyCap* pCap;
        RECT rc; // at m_nCapsBaseDpi
    };
    std::vector<CCapPlace> m_capsBase; // the caps' places when first rescaled
    UINT m_nCapsBaseDpi = 0;

    static const TCommandEntry<CVelloricView> s_commands[];

    std::string m_strStatus;
    HWND m_hToolTip;
    CKeyCap* m_pDragKey;
    CKeyCap* m_pHoverKey;
    HCURSOR m_hDragCursor;
    BOOL m_bInside;
    CKeyCap* m_pFocusKey;     // none: the default, the base keyboard's Esc
    BOOL m_bKeyboardGesture;  // the gesture under way was started by a key
    // Kept from WM_SETFOCUS and WM_KILLFOCUS and from the settings messages,
    // not asked on every paint: each question is a trip to the system.
    BOOL m_bFocused = FALSE;
    BOOL m_bHighContrast = FALSE;
    POINT m_ptLastMouse;      // a move to the same point is no move

    IKeyboardServices& m_keyboard;
    IFontChooser& m_fontChooser;
    IDisplayPreferences& m_preferences;
    BOOL m_b106Layout; // asked once, for the template and for the five 106-only keys
    // Once per set of caps: the dummy button is moved away and the caps take
    // their places from the form's buttons (which go) at the first update only.
    BOOL m_bMoveDummy;
    BOOL m_bAttachCaps;
};
