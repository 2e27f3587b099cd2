// The keyboard view's two cursors as the resources hold them.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "res/resource.h"

namespace
{
BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD wLanguage, LONG_PTR lParam)
{
    ((std::set<WORD>*)lParam)->insert(wLanguage);
    return TRUE;
}

std::set<WORD> LanguagesOfGroupCursor(WORD wId)
{
    std::set<WORD> languages;
    ::EnumResourceLanguagesA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(12), MAKEINTRESOURCEA(wId),
                             &AddLanguage, (LONG_PTR)&languages);
    return languages;
}

std::vector<BYTE> Bytes(LPCSTR pszType, LPCSTR pszName, WORD wLanguage)
{
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hRes = ::FindResourceExA(hModule, pszType, pszName, wLanguage);
    if (hRes == NULL)
        return std::vector<BYTE>();
    const BYTE* p = (const BYTE*)::LockResource(::LoadResource(hModule, hRes));
    return std::vector<BYTE>(p, p + ::SizeofResource(hModule, hRes));
}

WORD Word(const std::vector<BYTE>& bytes, size_t at)
{
    return (WORD)(bytes[at] | bytes[at + 1] << 8);
}

struct CCursorImage
{
    int nWidth;
    int nHeight; // of the bitmap: twice the cursor, mask included
    int nBitCount;
    POINT ptHotSpot;
};

// The one image of group cursor wId in language wLanguage.
CCursorImage ImageOf(WORD wId, WORD wLanguage)
{
    CCursorImage image = {0, 0, 0, {-1, -1}};
    std::vector<BYTE> group = Bytes(MAKEINTRESOURCEA(12), MAKEINTRESOURCEA(wId), wLanguage);
    // Reserved, type 2, count, then 14-byte entries whose last word is the image id.
    if (group.size() != 6u + 14u || Word(group, 2) != 2 || Word(group, 4) != 1)
        return image;
    WORD wImage = Word(group, 6 + 12);
    std::vector<BYTE> cursor = Bytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(wImage), wLanguage);
    if (cursor.size() < 4 + sizeof(BITMAPINFOHEADER))
        return image;
    image.ptHotSpot.x = Word(cursor, 0);
    image.ptHotSpot.y = Word(cursor, 2);
    const BITMAPINFOHEADER* pHeader = (const BITMAPINFOHEADER*)(cursor.data() + 4);
    image.nWidth = pHeader->biWidth;
    image.nHeight = pHeader->biHeight;
    image.nBitCount = pHeader->biBitCount;
    return image;
}

// Both cursors are 32 by 32 with the hot spot on the diagonal.
void ExpectImage(const CCursorImage& image, int nBitCount, LONG nHotSpot)
{
    EXPECT_EQ(32, image.nWidth);
    EXPECT_EQ(64, image.nHeight);
    EXPECT_EQ(nBitCount, image.nBitCount);
    EXPECT_EQ(nHotSpot, image.ptHotSpot.x);
    EXPECT_EQ(nHotSpot, image.ptHotSpot.y);
}
} // namespace

TEST(CursorResources, DragCursor_IsLanguageIndependent_32By32In16Colours_HotSpotAtTheTip)
{
    EXPECT_EQ(std::set<WORD>{0}, LanguagesOfGroupCursor(IDC_CURSOR_DRAG));
    ExpectImage(ImageOf(IDC_CURSOR_DRAG, 0), 4, 0);
}

TEST(CursorResources, RefusalCursor_IsInTheJapaneseSet_Monochrome_HotSpotAtTheCentre)
{
    const WORD wJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    EXPECT_EQ(std::set<WORD>{wJapanese}, LanguagesOfGroupCursor(IDC_CURSOR_NO_DROP));
    ExpectImage(ImageOf(IDC_CURSOR_NO_DROP, wJapanese), 1, 15);
}

TEST(CursorResources, BothCursors_LoadForEveryUser_WithTheirHotSpots)
{
    HCURSOR hDrag = (HCURSOR)::LoadImageA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDC_CURSOR_DRAG),
                                          IMAGE_CURSOR, 32, 32, LR_DEFAULTSIZE);
    ASSERT_NE(HCURSOR(NULL), hDrag);
    ICONINFO info;
    ASSERT_EQ(TRUE, ::GetIconInfo(hDrag, &info));
    EXPECT_EQ(FALSE, info.fIcon);
    EXPECT_EQ(0u, info.xHotspot);
    EXPECT_EQ(0u, info.yHotspot);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    ::DestroyCursor(hDrag);

    HCURSOR hNoDrop = ::LoadCursorA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDC_CURSOR_NO_DROP));
    ASSERT_NE(HCURSOR(NULL), hNoDrop);
    ASSERT_EQ(TRUE, ::GetIconInfo(hNoDrop, &info));
    EXPECT_EQ(15u, info.xHotspot);
    EXPECT_EQ(15u, info.yHotspot);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
}
