// The "One point" tip of the day (template 104): a painted heading with the
// light-bulb bitmap, one tip from the tips file, Next tip, and the box that
// says whether the dialog comes up at start-up. Making the object already
// reads a tip and its end stores the position, shown or not.
#pragma once

#include <string>

#include "framework/win32/dialog.h"
#include "dialogs/one_point_tips.h"

class COnePointDialog : public CDialog, public COnePointTips
{
public:
    // Reads the tip from strTipsPath, normally TipsFilePath().
    COnePointDialog(CProfile& profile, ITipsFileSystem& files, const std::string& strTipsPath);

    // The tips file "tips.txt" beside the program.
    static std::string TipsFilePath();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnNextTip();
    LRESULT OnCtlColorStatic(HDC hdc, HWND hCtrl);
    LRESULT OnPaint();
};
