#include "model/remap_file_reader.h"

#include <map>

#include "model/reg_file_parser.h"
#include "model/remap_text_parser.h"
#include "model/scancode_map_codec.h"
#include "model/stable_key_name.h"

namespace
{
// Only ASCII carries meaning in either kind of file: anything else stands as
// '?', which no key name, hex byte or keyword holds.
const char NOT_ASCII = '?';

void AddLine(std::vector<std::string>* pLines, std::string* pstrLine)
{
    pLines->push_back(*pstrLine);
    pstrLine->clear();
}

// Breaks text into lines at CR LF, LF or a lone CR, as the registry editor does.
template <class GETCHAR>
void Split(size_t nChars, GETCHAR getChar, std::vector<std::string>* pLines)
{
    std::string strLine;
    for (size_t i = 0; i < nChars; ++i)
    {
        char c = getChar(i);
        if (c == '\r')
        {
            if (i + 1 < nChars && getChar(i + 1) == '\n')
                ++i;
            AddLine(pLines, &strLine);
        }
        else if (c == '\n')
            AddLine(pLines, &strLine);
        else
            strLine += c;
    }
    if (!strLine.empty())
        AddLine(pLines, &strLine);
}
} // namespace

CRemapFileReader::CRemapFileReader() : m_format(FORMAT_NONE), m_nErrorLine(0) {}

BOOL CRemapFileReader::SplitLines(const BYTE* pData, size_t cbData,
                                  std::vector<std::string>* pLines, std::string* pstrError)
{
    pLines->clear();
    if (cbData >= 2 && pData[0] == 0xFE && pData[1] == 0xFF)
    {
        *pstrError = "the file is UTF-16 big-endian; save it as UTF-16LE, UTF-8 or ANSI";
        return FALSE;
    }
    if (cbData >= 2 && pData[0] == 0xFF && pData[1] == 0xFE)
    {
        if (cbData % 2 != 0)
        {
            *pstrError = "the file ends in the middle of a UTF-16 character";
            return FALSE;
        }
        const BYTE* pUnits = pData + 2;
        Split((cbData - 2) / 2,
              [pUnits](size_t i)
              {
                  unsigned nUnit = pUnits[2 * i] | ((unsigned)pUnits[2 * i + 1] << 8);
                  return nUnit < 0x80 ? (char)nUnit : NOT_ASCII;
              },
              pLines);
        return TRUE;
    }
    size_t nStart = (cbData >= 3 && pData[0] == 0xEF && pData[1] == 0xBB && pData[2] == 0xBF) ? 3 : 0;
    const BYTE* pText = pData + nStart;
    Split(cbData - nStart, [pText](size_t i) { return pText[i] < 0x80 ? (char)pText[i] : NOT_ASCII; },
          pLines);
    return TRUE;
}

BOOL CRemapFileReader::Read(const BYTE* pData, size_t cbData)
{
    m_format = FORMAT_NONE;
    m_pairs.clear();
    m_nErrorLine = 0;
    m_strError.clear();

    if (pData == nullptr || cbData == 0)
        return Fail(0, "the file is empty");
    std::vector<std::string> lines;
    std::string strError;
    if (!SplitLines(pData, cbData, &lines, &strError))
        return Fail(0, strError);

    CRegFileParser regParser;
    CRemapTextParser textParser;
    BOOL bReg = !lines.empty() && CRegFileParser::IsHeader(lines[0]);
    m_format = bReg ? FORMAT_REG : FORMAT_TEXT;
    CPairParser& parser = bReg ? (CPairParser&)regParser : (CPairParser&)textParser;
    if (!parser.Parse(lines))
        return Fail(parser.GetErrorLine(), parser.GetError());
    return TakePairs(parser.GetPairs(), parser.GetPairLines());
}

BOOL CRemapFileReader::TakePairs(const std::vector<CRemapPair>& pairs, const std::vector<int>& lines)
{
    std::map<WORD, int> firstLines; // physical key -> the line that maps it
    for (size_t i = 0; i < pairs.size(); ++i)
    {
        if (i == (size_t)CScancodeMapCodec::MAX_MAPPINGS)
            return Fail(lines[i], "more than 1020 mappings");
        auto inserted = firstLines.insert(std::make_pair(pairs[i].wPhysical, lines[i]));
        if (!inserted.second)
            return Fail(lines[i], "key " + CStableKeyName::Describe(pairs[i].wPhysical) +
                                      " is mapped twice (first on line " +
                                      std::to_string(inserted.first->second) + ")");
    }
    m_pairs = pairs;
    return TRUE;
}

BOOL CRemapFileReader::Fail(int nLine, const std::string& strError)
{
    m_pairs.clear();
    m_nErrorLine = nLine;
    m_strError = nLine > 0 ? "line " + std::to_string(nLine) + ": " + strError : strError;
    return FALSE;
}
