// The console program's table texts are read by people and scripts: any
// table, any names the system gives (bytes of any code page) and any report
// must make one line per mapping, JSON that parses, and bytes that read back.
// The first byte is the number of pairs; then the pairs, 4 bytes each; then
// the system's key names and the report, split at NUL bytes.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/table_printer.h"
#include "model/remap_list.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_cli_bench.h"
#include "tests/fuzz/fuzz_options.h"

namespace
{
// A small JSON reader: TRUE when str is one well-formed value and nothing else.
class CJsonCheck
{
public:
    explicit CJsonCheck(const std::string& str) : m_str(str), m_pos(0) {}
    bool Whole()
    {
        return Value() && (Blanks(), m_pos == m_str.size());
    }

private:
    void Blanks()
    {
        while (m_pos < m_str.size() && (m_str[m_pos] == ' ' || m_str[m_pos] == '\n'))
            ++m_pos;
    }
    bool Take(char c)
    {
        Blanks();
        if (m_pos >= m_str.size() || m_str[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    bool Word(const char* psz)
    {
        std::string strWord(psz);
        if (m_str.compare(m_pos, strWord.size(), strWord) != 0)
            return false;
        m_pos += strWord.size();
        return true;
    }
    bool String()
    {
        if (!Take('"'))
            return false;
        while (m_pos < m_str.size())
        {
            unsigned char c = (unsigned char)m_str[m_pos++];
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c != '\\')
                continue;
            if (m_pos >= m_str.size())
                return false;
            char e = m_str[m_pos++];
            if (e == 'u')
            {
                for (int i = 0; i < 4; ++i, ++m_pos)
                    if (m_pos >= m_str.size() || !std::isxdigit((unsigned char)m_str[m_pos]))
                        return false;
            }
            else if (std::string("\"\\/bfnrt").find(e) == std::string::npos)
                return false;
        }
        return false;
    }
    bool Value()
    {
        Blanks();
        if (m_pos >= m_str.size())
            return false;
        char c = m_str[m_pos];
        if (c == '"')
            return String();
        if (c == '{' || c == '[')
        {
            char cEnd = c == '{' ? '}' : ']';
            ++m_pos;
            if (Take(cEnd))
                return true;
            do
            {
                if (c == '{' && !(String() && Take(':')))
                    return false;
                if (!Value())
                    return false;
            } while (Take(','));
            return Take(cEnd);
        }
        if (Word("true") || Word("false") || Word("null"))
            return true;
        size_t start = m_pos;
        while (m_pos < m_str.size() && std::isdigit((unsigned char)m_str[m_pos]))
            ++m_pos;
        return m_pos > start;
    }

    const std::string& m_str;
    size_t m_pos;
};

} // namespace

VELLORIC_FUZZ_OPTIONS("fuzz_table_printer")

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    size_t nPairs = pData[0] % 32;
    if (nSize < 1 + 4 * nPairs)
        return 0;
    CRemapList list;
    for (size_t i = 0; i < nPairs; ++i)
    {
        const uint8_t* p = pData + 1 + 4 * i;
        list.SetAt((WORD)(p[0] | (p[1] << 8)), (WORD)(p[2] | (p[3] << 8)));
    }
    std::vector<std::string> texts = SplitAtNul(pData + 1 + 4 * nPairs, nSize - 1 - 4 * nPairs);
    std::string strReport = texts.back();
    CFakeKeyboard keyboard;
    size_t nName = 0;
    for (const CRemapPair& pair : list.GetPairs())
        for (WORD wScancode : {pair.wPhysical, pair.wProduced})
            if (nName + 1 < texts.size())
                keyboard.SetName((WORD)((wScancode & 0xFF) | ((wScancode >> 8) == 0xE0 ? 0x100 : 0)),
                                 texts[nName++]);
    CSameText converter;
    CTablePrinter printer(keyboard, converter);

    std::string strTable = printer.FormatTable(list);
    size_t nLines = 0;
    for (size_t pos = 0; pos < strTable.size(); pos = strTable.find('\n', pos) + 1, ++nLines)
        FUZZ_CHECK(strTable.compare(pos, 2, "0x") == 0 && strTable.find('\n', pos) != std::string::npos);
    FUZZ_CHECK(nLines == (size_t)list.GetCount());

    for (UINT nCheck : {0u, 0x30u, 0x10u})
    {
        std::string strJson = printer.FormatTableJson("whole", nSize, list, nCheck, strReport);
        FUZZ_CHECK(CJsonCheck(strJson).Whole());
    }
    FUZZ_CHECK(CJsonCheck(printer.FormatKeysJson()).Whole());

    std::vector<BYTE> bytes;
    if (list.Encode(&bytes))
    {
        std::string strBytes = CTablePrinter::FormatBytes(bytes);
        FUZZ_CHECK(strBytes.size() == 3 * bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i)
            FUZZ_CHECK(std::stoul(strBytes.substr(3 * i, 2), nullptr, 16) == bytes[i]);
    }
    return 0;
}
