// The tip of the day without its window: the profile entries of section
// "Tip", the tips file beside the program and the walk from one tip line to
// the next. The "One point" dialog is this plus its template.
//
// Tips file: one tip per line in the ANSI code page; lines starting with a
// space, a tab, ";" or empty are skipped; backslash-n in a tip is a line
// break; lines are read at most 999 bytes at a time.
#pragma once

#include <memory>
#include <string>

#include "framework/profile.h"
#include "dialogs/lead_byte.h"
#include "platform/tips_file.h"

extern const char kTipSection[];  // "Tip"
extern const char kTipFilePos[];  // "FilePos"
extern const char kTipTimeStamp[]; // "TimeStamp"
extern const char kTipStartUp[];  // "StartUp"

class COnePointTips
{
public:
    enum
    {
        LINE_BUFFER = 1000 // one read takes at most 999 bytes
    };

    // Reads the profile, opens the tips file at strPath and reads the tip the
    // stored position points at (the first one when the file was replaced).
    COnePointTips(CProfile& profile, ITipsFileSystem& files, const std::string& strPath,
                  PFN_IS_LEAD_BYTE pfnIsLeadByte);
    // Stores the position after the last tip read and closes the file.
    virtual ~COnePointTips();

    // The next tip from the current position, going round to the top at the
    // end of the file. A file without a single tip leaves out empty.
    void ReadNextTip(std::string& out);
    // StartUp = 1 when the box is cleared, 0 when it is ticked.
    void SaveShowAtStartup();

    // The module's full path cut to its drive and directory, plus "tips.txt".
    static std::string TipsFilePathBeside(const std::string& strModulePath,
                                          PFN_IS_LEAD_BYTE pfnIsLeadByte);
    // Copies one line read (at most cbLine bytes, up to its terminator) into
    // out: double-byte characters whole, backslash-n as a line feed.
    static void CopyTipLine(const char* pLine, size_t cbLine, PFN_IS_LEAD_BYTE pfnIsLeadByte,
                            std::string& out);

    int m_bShowAtStartup;
    std::string m_strTip;
    std::unique_ptr<ITipsFile> m_pTipsFile;

private:
    COnePointTips(const COnePointTips&) = delete;
    COnePointTips& operator=(const COnePointTips&) = delete;

    CProfile& m_profile;
    PFN_IS_LEAD_BYTE m_pfnIsLeadByte;
};
