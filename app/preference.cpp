#include "app/preference.h"

#include <cstring>
#include <vector>

#include "platform/draw_types.h"
#include "platform/font_chooser.h"

namespace
{
const char SECTION[] = "Preference";
const char ENTRY_FIT_KEYNAME[] = "Fit keyname";
const char ENTRY_BUTTON_TEXT_TYPE[] = "Button text type";
const char ENTRY_FONT[] = "FontA";
const int DEFAULT_FIT_KEYNAME = 1;
const int DEFAULT_BUTTON_TEXT_TYPE = 0;
} // namespace

CPreference g_preference;

void CPreference::Attach(CProfile* pProfile)
{
    m_pProfile = pProfile;
}

int CPreference::GetCachedInt(int& nSlot, const char* pszEntry, int nDefault)
{
    if (nSlot != UNREAD)
        return nSlot;
    // Without a profile the default is not cached: the real value may come later.
    if (m_pProfile == nullptr)
        return nDefault;
    // A stored -1 looks unread, so it is read again on every call.
    nSlot = m_pProfile->GetProfileInt(SECTION, pszEntry, nDefault);
    return nSlot;
}

int CPreference::GetFitKeyname()
{
    return GetCachedInt(m_nFitKeyname, ENTRY_FIT_KEYNAME, DEFAULT_FIT_KEYNAME);
}

BOOL CPreference::SetFitKeyname(int nValue)
{
    m_nFitKeyname = nValue;
    if (m_pProfile == nullptr)
        return FALSE;
    return m_pProfile->WriteProfileInt(SECTION, ENTRY_FIT_KEYNAME, nValue);
}

int CPreference::GetButtonTextType()
{
    return GetCachedInt(m_nButtonTextType, ENTRY_BUTTON_TEXT_TYPE, DEFAULT_BUTTON_TEXT_TYPE);
}

BOOL CPreference::SetButtonTextType(int nValue)
{
    m_nButtonTextType = nValue;
    if (m_pProfile == nullptr)
        return FALSE;
    return m_pProfile->WriteProfileInt(SECTION, ENTRY_BUTTON_TEXT_TYPE, nValue);
}

BOOL CPreference::GetFont(BYTE record[FONT_RECORD_BYTES])
{
    if (m_pProfile == nullptr)
        return FALSE;
    std::vector<BYTE> bytes;
    if (!m_pProfile->GetProfileBinary(SECTION, ENTRY_FONT, &bytes))
        return FALSE;
    // A record of another length is no LOGFONTA of ours: keep the default font.
    if (bytes.size() != FONT_RECORD_BYTES)
        return FALSE;
    // A size the font dialog never offers (a character height of 32000 pixels
    // took minutes to fit every key) is no font of ours either.
    CFontRecord font;
    std::memcpy(&font, bytes.data(), sizeof font);
    if (font.lfHeight < -(LONG)IFontChooser::HEIGHT_MAX_PIXELS ||
        font.lfHeight > -(LONG)IFontChooser::HEIGHT_MIN_PIXELS || font.lfWidth < 0 ||
        font.lfWidth > (LONG)IFontChooser::HEIGHT_MAX_PIXELS)
        return FALSE;
    std::memcpy(record, bytes.data(), FONT_RECORD_BYTES);
    // The record ends with the 32-byte face name, which the font code reads
    // as a C string: make sure it ends.
    record[FONT_RECORD_BYTES - 1] = 0;
    return TRUE;
}

BOOL CPreference::SetFont(const BYTE record[FONT_RECORD_BYTES])
{
    if (m_pProfile == nullptr)
        return FALSE;
    return m_pProfile->WriteProfileBinary(SECTION, ENTRY_FONT, record, FONT_RECORD_BYTES);
}
