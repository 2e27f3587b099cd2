// The real message box with a text far taller than the screen: it shows the
// first lines and how many more, and stays within the work area.
#include <gtest/gtest.h>

#include <string>

#include "framework/afx_message_box.h"
#include "framework/win32/win32_message_boxes.h"
#include "res/resource.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/win32_test_support.h"

TEST(MessageBoxFit, HundredLineReport_ShowsItsFirstLinesAndTheCount_WithinTheWorkArea)
{
    CWin32StringSource strings;
    IStringSource* pOldStrings = AfxSetStringSource(&strings);
    std::string strText;
    for (int i = 1; i <= 100; ++i)
        strText += "Key " + std::to_string(i) + " is lost\n";
    RECT rcBox = {0, 0, 0, 0};
    std::string strShown;
    CDialogDriver driver;
    driver.Then([&](HWND hBox) {
        ::GetWindowRect(hBox, &rcBox);
        strShown = wintest::ControlText(hBox, 0xFFFF);
        CDialogDriver::Press(hBox, IDOK);
        return TRUE;
    });
    CWin32MessageBoxSink sink(IDS_MORE_LINES);
    EXPECT_EQ(IDOK, sink.Show(strText.c_str(), "Velloric", MB_OK | MB_ICONEXCLAMATION));

    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_LE(rcWork.top, rcBox.top);
    EXPECT_LE(rcBox.bottom, rcWork.bottom);
    int nKept = CWin32MessageBoxSink::MaxLinesOnScreen(NULL) - 1;
    ASSERT_LT(0, nKept);
    std::string strMore;
    AfxFormatString1(strMore, IDS_MORE_LINES, std::to_string(100 - nKept).c_str());
    EXPECT_EQ(strMore, strShown.substr(strShown.rfind('\n') + 1));
    EXPECT_EQ("Key 1 is lost\n", strShown.substr(0, 14));
    AfxSetStringSource(pOldStrings);
}
