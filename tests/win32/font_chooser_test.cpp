// The real font dialog offers only the sizes the preferences read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_font_chooser.h"
#include "tests/win32/dialog_driver.h"

TEST(Win32FontChooser, SizeList_RunsFrom6To24Points)
{
    std::vector<std::string> sizes;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        HWND hSizes = ::GetDlgItem(hDlg, 0x472); // the size combo box (cmb3)
        if (hSizes == NULL)
            return FALSE;
        int nCount = (int)::SendMessageA(hSizes, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < nCount; ++i)
        {
            char sz[32] = "";
            if (::SendMessageA(hSizes, CB_GETLBTEXTLEN, i, 0) < (LRESULT)sizeof sz)
                ::SendMessageA(hSizes, CB_GETLBTEXT, i, (LPARAM)sz);
            sizes.push_back(sz);
        }
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(FALSE, CWin32FontChooser().ChooseFont(NULL, &lf, CF_SCREENFONTS | CF_NOSCRIPTSEL));
    EXPECT_EQ(TRUE, driver.Done());
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ("6", sizes.front());
    EXPECT_EQ("24", sizes.back());
}
