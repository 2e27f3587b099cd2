// A file of mappings, as File > Import... and the console program's import
// read it: the bytes of the whole file in, the mappings out (or what is
// wrong and where), nothing in between touched.
//
// Two kinds of file are told apart by their first line:
//   - a .reg file (first line "Windows Registry Editor Version 5.00" or
//     "REGEDIT4"): its "Scancode Map" under the keyboard-layout key (see
//     CRegFileParser), the pairs in the value's entry order;
//   - anything else is a text file of FROM=TO lines (see CRemapTextParser).
// Either may be UTF-16LE with a byte-order mark (as the registry editor
// writes), UTF-8 with or without one, or ANSI; only ASCII carries meaning.
// Lines end in CR LF, LF or CR.
//
// The file's rules: a physical key mapped twice is refused at its second
// line (the program's own reading would keep the first place and take the
// later code, which a file should not leave to chance), and so is a file
// with more mappings than one value holds (1020). A refused file gives no
// pairs at all.
//
//   CRemapFileReader reader;
//   if (!reader.Read(bytes.data(), bytes.size()))
//       Report(reader.GetError()); // "line 7: unknown key name 'CapsLok'"
//   else
//       for (const CRemapPair& pair : reader.GetPairs()) ...
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/remap_pair.h"

class CRemapFileReader
{
public:
    enum EFormat
    {
        FORMAT_NONE, // nothing read yet, or the bytes are no text at all
        FORMAT_REG,
        FORMAT_TEXT
    };

    CRemapFileReader();

    // Reads the whole file. TRUE: GetPairs() holds the mappings in file
    // order (possibly none: an empty table, or a text file of comments).
    // FALSE: no pairs; GetError() says why.
    BOOL Read(const BYTE* pData, size_t cbData);

    EFormat GetFormat() const { return m_format; }
    const std::vector<CRemapPair>& GetPairs() const { return m_pairs; }
    // The line (from 1) of a refusal, 0 when it is the file's as a whole.
    int GetErrorLine() const { return m_nErrorLine; }
    // "line 7: unknown key name 'CapsLok'", or without "line N: " for line 0.
    const std::string& GetError() const { return m_strError; }

    // The lines of a file's bytes, decoded as Read decodes them; FALSE with
    // *pstrError for bytes that are no text it reads.
    static BOOL SplitLines(const BYTE* pData, size_t cbData, std::vector<std::string>* pLines,
                           std::string* pstrError);

private:
    BOOL TakePairs(const std::vector<CRemapPair>& pairs, const std::vector<int>& lines);
    BOOL Fail(int nLine, const std::string& strError);

    EFormat m_format;
    std::vector<CRemapPair> m_pairs;
    int m_nErrorLine;
    std::string m_strError;
};
