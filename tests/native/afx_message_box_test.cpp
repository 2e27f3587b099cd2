#include <gtest/gtest.h>

#include "tests/support/scripted_message_boxes.h"

namespace
{
struct AfxMessageBoxTest : ::testing::Test
{
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    AfxMessageBoxTest()
    {
        strings.m_strings[AFX_IDS_APP_TITLE] = "Velloric";
        strings.m_strings[1000] = "cannot open";
    }
};
} // namespace

TEST_F(AfxMessageBoxTest, AddsExclamation_ToOkAndQuestionButtonSets_GivenWithoutIcon)
{
    EXPECT_EQ(0x30u, AfxAdjustMessageBoxType(MB_OK));
    EXPECT_EQ(0x31u, AfxAdjustMessageBoxType(MB_OKCANCEL));
    EXPECT_EQ(0x34u, AfxAdjustMessageBoxType(MB_YESNO));
    EXPECT_EQ(0x33u, AfxAdjustMessageBoxType(MB_YESNOCANCEL));
}

TEST_F(AfxMessageBoxTest, KeepsType_WhenIconGivenOrRetryButtons)
{
    EXPECT_EQ(0x40u, AfxAdjustMessageBoxType(MB_ICONINFORMATION));
    EXPECT_EQ(0x24u, AfxAdjustMessageBoxType(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(0x11u, AfxAdjustMessageBoxType(MB_OKCANCEL | MB_ICONHAND));
    EXPECT_EQ(0x2u, AfxAdjustMessageBoxType(MB_ABORTRETRYIGNORE));
    EXPECT_EQ(0x5u, AfxAdjustMessageBoxType(MB_RETRYCANCEL));
}

TEST_F(AfxMessageBoxTest, ShowsStringById_WithApplicationNameAsCaption)
{
    boxes.Answer({IDYES});
    EXPECT_EQ(IDYES, AfxMessageBox(1000u, MB_YESNO));
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("cannot open", boxes.m_shown[0].strText);
    EXPECT_EQ("Velloric", boxes.m_shown[0].strCaption);
    EXPECT_EQ(0x34u, boxes.m_shown[0].nType);
}

TEST_F(AfxMessageBoxTest, ShowsLiteralText)
{
    AfxMessageBox("Cannot Write!");
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("Cannot Write!", boxes.m_shown[0].strText);
    EXPECT_EQ(0x30u, boxes.m_shown[0].nType);
}

TEST_F(AfxMessageBoxTest, StringField_SplitsAtNewlines_EmptyBeyondTheLast)
{
    strings.m_strings[57665] = "Save and exit\nSave";
    strings.m_strings[128] = "Velloric\n\nVellor";
    EXPECT_EQ("Save and exit", AfxLoadStringField(57665, 0));
    EXPECT_EQ("Save", AfxLoadStringField(57665, 1));
    EXPECT_EQ("", AfxLoadStringField(57665, 2));
    EXPECT_EQ("Velloric", AfxLoadStringField(128, 0));
    EXPECT_EQ("", AfxLoadStringField(128, 1));
    EXPECT_EQ("Vellor", AfxLoadStringField(128, 2));
    EXPECT_EQ("cannot open", AfxLoadStringField(1000, 0)); // a prompt only
    EXPECT_EQ("", AfxLoadStringField(1000, 1));
    EXPECT_EQ("", AfxLoadStringField(4242, 0));
}
