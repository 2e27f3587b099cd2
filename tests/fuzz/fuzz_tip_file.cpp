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

// Opens the fuzzer's bytes as a read-only stream in memory.
struct CMemoryStreams : ITipsFileSystem
{
    std::vector<char> m_bytes;
    std::unique_ptr<ITipsFile> Open(const std::string& strPath) override
    {
        if (m_bytes.empty())
            return nullptr;
        std::FILE* pFile = fmemopen(m_bytes.data(), m_bytes.size(), "r");
        if (pFile == nullptr)
            return nullptr;
        return std::unique_ptr<ITipsFile>(new CStdioTipsFile(pFile));
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
            tips.ReadNextTip(strTip);
            CheckTip(strTip);
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
