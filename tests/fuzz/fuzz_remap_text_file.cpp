// A text file of FROM=TO lines is outside data: it must read without harm,
// and what is accepted must read the same when written out again, as lines
// of scancodes and as a .reg file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "model/reg_file_writer.h"
#include "model/remap_file_reader.h"
#include "model/remap_list.h"
#include "model/scancode_map_codec.h"
#include "model/stable_key_name.h"
#include "tests/fuzz/fuzz_check.h"


namespace
{
BOOL SamePairs(const std::vector<CRemapPair>& a, const std::vector<CRemapPair>& b)
{
    if (a.size() != b.size())
        return FALSE;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].wPhysical != b[i].wPhysical || a[i].wProduced != b[i].wProduced)
            return FALSE;
    return TRUE;
}

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
        // high byte 00 or E0.
        FUZZ_CHECK(pair.wPhysical != 0);
        FUZZ_CHECK((pair.wPhysical >> 8) == 0 || (pair.wPhysical >> 8) == 0xE0);
        FUZZ_CHECK((pair.wProduced >> 8) == 0 || (pair.wProduced >> 8) == 0xE0);
    }

    std::string strText = TextOf(pairs);
    CRemapFileReader asText;
    FUZZ_CHECK(asText.Read((const BYTE*)strText.data(), strText.size()));
    FUZZ_CHECK(SamePairs(asText.GetPairs(), pairs));

    CRemapList list;
    for (const CRemapPair& pair : pairs)
        list.SetAt(pair.wPhysical, pair.wProduced);
    std::vector<BYTE> value;
    FUZZ_CHECK(list.Encode(&value));
    std::vector<BYTE> file;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &file);
    CRemapFileReader asReg;
    FUZZ_CHECK(asReg.Read(file.data(), file.size()));
    FUZZ_CHECK(SamePairs(asReg.GetPairs(), pairs));
    return 0;
}
