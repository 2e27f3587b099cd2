// A .reg file is outside data: whatever a user or another program wrote must
// read without harm, and what is accepted must write back and read again the
// same. Most inputs go after the header and the key, so that the fuzzer
// spends its time in the value's lines; some stand alone, some in UTF-16.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/reg_file_parser.h"
#include "model/remap_file_reader.h"
#include "model/scancode_map_codec.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/support/reg_file_text.h"

namespace
{
const std::string kHead = kRegHead + "\"Scancode Map\"=hex:";

std::vector<BYTE> MakeFile(const uint8_t* pData, size_t nSize)
{
    BYTE bMode = nSize > 0 ? pData[0] : 0;
    std::vector<BYTE> text;
    if ((bMode & 1) == 0)
        text.assign(kHead.begin(), kHead.end());
    if (nSize > 1)
        text.insert(text.end(), pData + 1, pData + nSize);
    if ((bMode & 2) == 0)
        return text;
    std::vector<BYTE> file = {0xFF, 0xFE}; // each byte a UTF-16 unit
    for (BYTE b : text)
    {
        file.push_back(b);
        file.push_back((bMode & 4) != 0 ? 0x30 : 0); // sometimes far outside ASCII
    }
    return file;
}
} // namespace

VELLORIC_FUZZ_OPTIONS("fuzz_reg_file")

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::vector<BYTE> file = MakeFile(pData, nSize);
    CRemapFileReader reader;
    if (!CheckReaderRules(reader, reader.Read(file.data(), file.size())))
        return 0;
    const std::vector<CRemapPair>& pairs = reader.GetPairs();

    if (reader.GetFormat() == CRemapFileReader::FORMAT_REG)
    {
        // The reader's walk over the value and the codec agree.
        std::vector<std::string> lines;
        std::string strError;
        FUZZ_CHECK(CRemapFileReader::SplitLines(file.data(), file.size(), &lines, &strError));
        CRegFileParser parser;
        FUZZ_CHECK(parser.Parse(lines));
        const std::vector<BYTE>& value = parser.GetValue();
        FUZZ_CHECK(value.size() <= (size_t)CScancodeMapCodec::IMAGE_SIZE);
        FUZZ_CHECK(CScancodeMapCodec::HoldsItsCount(value.data(), (DWORD)value.size()));
        std::vector<CRemapPair> decoded;
        CScancodeMapCodec::DecodeScancodeMap(value.data(), (DWORD)value.size(), &decoded);
        FUZZ_CHECK(decoded == pairs);
    }

    CheckRegFileRoundTrip(pairs);
    return 0;
}
