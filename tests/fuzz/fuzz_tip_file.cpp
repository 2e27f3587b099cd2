// The tips file is outside data: any bytes, any line lengths, lone lead
// bytes, zero bytes, no line feed at all. The tip dialog's reading (through
// the real C library streams) must stay inside its buffers, always end its
// search, and never hand out more than one read's worth of bytes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

#include "dialogs/one_point_tips.h"
#include "platform/stdio_tips_file.h"
#include "tests/support/fake_registry.h"

namespace
{
const char kTipKey[] = "HKCU\\Software\\Ostrelwick\\Velloric\\Tip";

// The real stream, noting whether the last line read found one and how
// often the search went back to the top.
struct CWatchedFile : CStdioTipsFile
{
    explicit CWatchedFile(std::FILE* pFile) : CStdioTipsFile(pFile) {}
    BOOL ReadLine(char* pBuffer, int nSize) override
    {
        m_bLastRead = CStdioTipsFile::ReadLine(pBuffer, nSize);
        return m_bLastRead;
    }
    BOOL Seek(long lOffset) override
    {
        ++m_nSeeks;
        return CStdioTipsFile::Seek(lOffset);
    }
    BOOL m_bLastRead = FALSE;
    int m_nSeeks = 0;
};

// Opens the fuzzer's bytes as a read-only stream in memory.
struct CMemoryStreams : ITipsFileSystem
{
    std::vector<char> m_bytes;
    CWatchedFile* m_pFile = nullptr;
    std::unique_ptr<ITipsFile> Open(const std::string& strPath) override
    {
        if (m_bytes.empty())
            return nullptr;
        std::FILE* pFile = fmemopen(m_bytes.data(), m_bytes.size(), "r");
        if (pFile == nullptr)
            return nullptr;
        m_pFile = new CWatchedFile(pFile);
        return std::unique_ptr<ITipsFile>(m_pFile);
    }
};

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

void CheckTip(const std::string& strTip)
{
    // One read is at most 999 bytes; "\n" pairs only shrink it.
    Check(strTip.size() < COnePointTips::LINE_BUFFER);
    Check(std::memchr(strTip.data(), '\0', strTip.size()) == nullptr);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData)
{
    FuzzedDataProvider provider(pData, cbData);
    CFakeRegistry registry;
    int nFilePos = provider.ConsumeIntegral<int>();
    bool bNewStamp = provider.ConsumeBool();
    int nNextTips = provider.ConsumeIntegralInRange<int>(0, 8);
    registry.PutDword(kTipKey, "FilePos", (DWORD)nFilePos);
    if (bNewStamp)
        registry.PutString(kTipKey, "TimeStamp", "Mon Jan 04 10:20:30 1999");

    CMemoryStreams streams;
    std::string strBytes = provider.ConsumeRemainingBytesAsString();
    streams.m_bytes.assign(strBytes.begin(), strBytes.end());

    CProfile profile(registry);
    profile.SetRegistryKey("Ostrelwick", "Velloric");
    {
        COnePointTips tips(profile, streams, "tips.txt", &IsCodePage932LeadByte);
        CheckTip(tips.m_strTip);
        std::string strTip;
        for (int i = 0; i < nNextTips; ++i)
        {
            long lBefore = tips.m_pTipsFile ? tips.m_pTipsFile->Tell() : -1;
            int nSeeks = streams.m_pFile != nullptr ? streams.m_pFile->m_nSeeks : 0;
            tips.ReadNextTip(strTip);
            CheckTip(strTip);
            if (!tips.m_pTipsFile || !streams.m_pFile->m_bLastRead || lBefore < 0)
                continue;
            // A tip found lies past the last one, or the search went round
            // to the top, once.
            long lAfter = tips.m_pTipsFile->Tell();
            Check(lAfter > 0 && (size_t)lAfter <= strBytes.size());
            if (streams.m_pFile->m_nSeeks == nSeeks)
                Check(lAfter > lBefore);
            else
                Check(streams.m_pFile->m_nSeeks == nSeeks + 1);
        }
    }

    // The copy on its own, over a buffer that need not hold a terminator.
    std::string strOut;
    COnePointTips::CopyTipLine(strBytes.data(), strBytes.size(), &IsCodePage932LeadByte, strOut);
    Check(strOut.size() <= strBytes.size());
    std::string strPath = COnePointTips::TipsFilePathBeside(strBytes, &IsCodePage932LeadByte);
    Check(strPath.size() <= strBytes.size() + 8);
    return 0;
}
