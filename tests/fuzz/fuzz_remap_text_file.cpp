// A text file of FROM=TO lines is outside data: it must read without harm,
// and what is accepted must read the same when written out again, as lines
// of scancodes and as a .reg file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/remap_file_reader.h"
#include "model/stable_key_name.h"
#include "tests/fuzz/fuzz_check.h"

namespace
{
// The pairs as a text file: names where the key table has them, scancodes otherwise.
std::string TextOf(const std::vector<CRemapPair>& pairs)
{
    std::string str = "# written back\n";
    for (size_t i = 0; i < pairs.size(); ++i)
    {
        const char* pszFrom = CStableKeyName::NameOf(pairs[i].wPhysical);
        std::string strFrom = pszFrom != nullptr ? pszFrom : CStableKeyName::FormatScancode(pairs[i].wPhysical);
        str += (i % 2 == 0 ? strFrom : "  " + strFrom + " ") + "=" +
               CStableKeyName::FormatScancode(pairs[i].wProduced) + "\r\n";
    }
    return str;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CRemapFileReader reader;
    if (!CheckReaderRules(reader, reader.Read(pData, nSize)))
        return 0;
    const std::vector<CRemapPair>& pairs = reader.GetPairs();
    if (reader.GetFormat() != CRemapFileReader::FORMAT_TEXT)
        return 0; // the other fuzz target's ground

    for (const CRemapPair& pair : pairs)
    {
        // Only keys a text file can name: never None as the physical key,
        // high byte 00 or E0, or Pause's E11D.
        FUZZ_CHECK(pair.wPhysical != 0);
        FUZZ_CHECK((pair.wPhysical >> 8) == 0 || (pair.wPhysical >> 8) == 0xE0 || pair.wPhysical == 0xE11D);
        FUZZ_CHECK((pair.wProduced >> 8) == 0 || (pair.wProduced >> 8) == 0xE0 || pair.wProduced == 0xE11D);
    }

    std::string strText = TextOf(pairs);
    CRemapFileReader asText;
    FUZZ_CHECK(asText.Read((const BYTE*)strText.data(), strText.size()));
    FUZZ_CHECK(asText.GetPairs() == pairs);
    CheckRegFileRoundTrip(pairs);
    return 0;
}
