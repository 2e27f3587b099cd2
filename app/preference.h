// The view's three display preferences, kept in section "Preference" of the
// profile: read once and cached, every change written through at once.
#pragma once

#include "framework/profile.h"
#include "view/display_preferences.h"

class CPreference : public IDisplayPreferences
{
public:
    enum
    {
        UNREAD = -1
    };

    // Constant-initialised, so the global is ready before any start-up code runs.
    constexpr CPreference() : m_nFitKeyname(UNREAD), m_nButtonTextType(UNREAD), m_pProfile(nullptr)
    {
    }

    // The application attaches its profile at start-up (nullptr detaches).
    // Without one, getters give their defaults without caching and setters
    // cache the value but report failure.
    void Attach(CProfile* pProfile);

    int GetFitKeyname() override;            // default 1
    BOOL SetFitKeyname(int nValue) override; // cached at once, even when the write fails
    int GetButtonTextType() override;        // default 0
    BOOL SetButtonTextType(int nValue) override;

    // Copies a stored 60-byte "FontA" record into record; FALSE, record
    // untouched, when there is none, it has another length, or its size is
    // not one the font dialog offers (a character height outside 8 to 160
    // pixels, a width beyond 160). The face name (the last 32 bytes) always
    // comes back terminated.
    BOOL GetFont(BYTE record[FONT_RECORD_BYTES]) override;
    BOOL SetFont(const BYTE record[FONT_RECORD_BYTES]) override;

    // Reads the entry into nSlot while nSlot is UNREAD; returns nSlot.
    int GetCachedInt(int& nSlot, const char* pszEntry, int nDefault);

    int m_nFitKeyname;     // "Fit keyname"; UNREAD until first read or set
    int m_nButtonTextType; // "Button text type"; UNREAD until first read or set

private:
    CProfile* m_pProfile;
};

extern CPreference g_preference;
