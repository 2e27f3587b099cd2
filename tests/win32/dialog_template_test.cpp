// The auxiliary dialogs' templates against their layout tables: every
// control's class, position, size and style, read from the resource bytes of
// each set that follows the tables, and the password edits of every set.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "res/resource.h"
#include "tests/win32/dialog_resources.h"

namespace
{
const WORD BUTTON = 0x80, EDIT = 0x81, STATIC = 0x82;
const int NONE = -1;

struct CControlRow
{
    int nId;
    WORD wClass;
    CRect16 rect;
    DWORD dwBits; // style bits it must have
    int nType;    // button or static type (low bits of the style); NONE for an edit
};

struct CDialogTable
{
    UINT nID;
    int cx, cy;
    std::vector<CControlRow> rows; // in template order
};

const DWORD EDIT_BITS = WS_BORDER | ES_AUTOHSCROLL;

const CDialogTable s_tables[] = {
    {IDD_ABOUTBOX, 263, 89,
     {{IDC_STATIC, STATIC, {7, 7, 20, 20}, 0, SS_ICON},
      {IDC_STATIC, STATIC, {40, 11, 122, 19}, SS_SUNKEN | SS_NOPREFIX | WS_GROUP, SS_LEFT},
      {IDC_STATIC, STATIC, {40, 59, 216, 21}, WS_GROUP, SS_LEFT},
      {IDOK, BUTTON, {224, 7, 32, 14}, WS_GROUP | WS_TABSTOP, BS_DEFPUSHBUTTON},
      {IDC_STATIC, STATIC, {40, 35, 216, 19}, SS_NOPREFIX | WS_GROUP, SS_LEFT}}},
    {IDD_ONE_POINT, 231, 164,
     {{IDC_STATIC, STATIC, {12, 11, 207, 123}, 0, SS_BLACKFRAME},
      {IDC_TIP_TEXT, STATIC, {28, 63, 177, 60}, 0, SS_LEFT},
      {IDC_TIP_SHOW_AT_STARTUP, BUTTON, {13, 146, 93, 10}, WS_GROUP | WS_TABSTOP, BS_AUTOCHECKBOX},
      {IDC_TIP_NEXT, BUTTON, {109, 143, 50, 14}, WS_GROUP | WS_TABSTOP, BS_PUSHBUTTON},
      {IDOK, BUTTON, {168, 143, 50, 14}, 0, BS_DEFPUSHBUTTON},
      {IDC_TIP_PICTURE, STATIC, {20, 17, 190, 111}, 0, SS_BITMAP}}},
    {IDD_AUTOLOGON, 187, 127,
     {{IDC_AUTOLOGON_ENABLE, BUTTON, {7, 7, 98, 10}, WS_TABSTOP, BS_AUTOCHECKBOX},
      {IDC_STATIC, STATIC, {7, 31, 87, 8}, 0, SS_LEFT},
      {IDC_AUTOLOGON_USER_NAME, EDIT, {7, 42, 117, 14}, EDIT_BITS, NONE},
      {IDC_STATIC, STATIC, {7, 65, 87, 8}, 0, SS_LEFT},
      {IDC_AUTOLOGON_PASSWORD, EDIT, {7, 74, 117, 14}, EDIT_BITS | ES_PASSWORD, NONE},
      {IDOK, BUTTON, {130, 7, 50, 14}, 0, BS_DEFPUSHBUTTON},
      {IDCANCEL, BUTTON, {130, 24, 50, 14}, 0, BS_PUSHBUTTON},
      {IDC_STATIC, STATIC, {7, 94, 87, 8}, 0, SS_LEFT},
      {IDC_AUTOLOGON_DOMAIN_NAME, EDIT, {7, 103, 117, 14}, EDIT_BITS, NONE}}},
    {IDD_PASSWORD_CONFIRM, 187, 93,
     {{IDC_STATIC, STATIC, {7, 7, 92, 20}, 0, SS_LEFT},
      {IDC_PASSWORD_CONFIRM, EDIT, {7, 31, 104, 14}, EDIT_BITS | ES_PASSWORD, NONE},
      {IDOK, BUTTON, {130, 7, 50, 14}, 0, BS_DEFPUSHBUTTON},
      {IDCANCEL, BUTTON, {130, 24, 50, 14}, 0, BS_PUSHBUTTON}}},
};

// The control's class as its atom, whether the template names it by atom or by name.
WORD ClassOf(const CTemplateItem& item)
{
    if (item.wClassAtom != 0)
        return item.wClassAtom;
    if (lstrcmpiA(item.strClass.c_str(), "Button") == 0)
        return BUTTON;
    if (lstrcmpiA(item.strClass.c_str(), "Edit") == 0)
        return EDIT;
    if (lstrcmpiA(item.strClass.c_str(), "Static") == 0)
        return STATIC;
    return 0;
}

int TypeOf(const CTemplateItem& item)
{
    if (ClassOf(item) == BUTTON)
        return (int)(item.dwStyle & BS_TYPEMASK);
    if (ClassOf(item) == STATIC)
        return (int)(item.dwStyle & SS_TYPEMASK);
    return NONE;
}

class DialogTemplates : public ::testing::TestWithParam<WORD>
{
};
} // namespace

TEST_P(DialogTemplates, FollowTheirLayoutTables)
{
    for (const CDialogTable& table : s_tables)
    {
        CFormTemplate form = LoadFormOfLanguage((WORD)table.nID, GetParam());
        ASSERT_EQ(TRUE, form.bParsed) << "template " << table.nID;
        EXPECT_EQ(table.cx, form.rect.cx) << "template " << table.nID;
        EXPECT_EQ(table.cy, form.rect.cy) << "template " << table.nID;
        ASSERT_EQ(table.rows.size(), form.items.size()) << "template " << table.nID;
        for (size_t i = 0; i < table.rows.size(); ++i)
        {
            const CControlRow& row = table.rows[i];
            const CTemplateItem& item = form.items[i];
            const std::string strWhere =
                "template " + std::to_string(table.nID) + " control " + std::to_string(i);
            EXPECT_EQ(row.nId, item.nId) << strWhere;
            EXPECT_EQ(row.wClass, ClassOf(item)) << strWhere;
            EXPECT_EQ(row.rect, item.rect) << strWhere;
            EXPECT_EQ(row.dwBits, item.dwStyle & row.dwBits) << strWhere;
            EXPECT_EQ(row.nType, TypeOf(item)) << strWhere;
        }
    }
}

// The English set has the Japanese set's controls, ids, positions and styles.
INSTANTIATE_TEST_SUITE_P(JapaneseAndEnglishSets, DialogTemplates,
                         ::testing::Values((WORD)MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
                                           (WORD)MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));

TEST(DialogTemplatesOfEverySet, PasswordEditsAreThePasswordStyle_AndOnlyThey)
{
    struct CEdit
    {
        UINT nTemplate;
        int nId;
        BOOL bPassword;
    };
    const CEdit edits[] = {{IDD_AUTOLOGON, IDC_AUTOLOGON_PASSWORD, TRUE},
                           {IDD_AUTOLOGON, IDC_AUTOLOGON_USER_NAME, FALSE},
                           {IDD_AUTOLOGON, IDC_AUTOLOGON_DOMAIN_NAME, FALSE},
                           {IDD_PASSWORD_CONFIRM, IDC_PASSWORD_CONFIRM, TRUE}};
    for (const CEdit& edit : edits)
    {
        std::vector<WORD> languages = ResourceLanguages((LPCSTR)RT_DIALOG, edit.nTemplate);
        EXPECT_LE(2u, languages.size()) << "template " << edit.nTemplate;
        for (WORD wLanguage : languages)
        {
            CFormTemplate form = LoadFormOfLanguage((WORD)edit.nTemplate, wLanguage);
            const CTemplateItem* pItem = form.Find(edit.nId);
            ASSERT_NE(nullptr, pItem) << edit.nTemplate << "/" << edit.nId << " in " << wLanguage;
            EXPECT_EQ(edit.bPassword, (pItem->dwStyle & ES_PASSWORD) != 0)
                << edit.nTemplate << "/" << edit.nId << " in " << wLanguage;
        }
    }
}
