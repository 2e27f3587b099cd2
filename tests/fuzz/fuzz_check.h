// What every fuzz target checks with, and the rules every file reader keeps.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "model/reg_file_writer.h"
#include "model/remap_file_reader.h"
#include "model/remap_list.h"
#include "model/scancode_map_codec.h"

// An assert that stays in the fuzzing build and names the line that failed.
#define FUZZ_CHECK(cond)                                                                     \
    do                                                                                       \
    {                                                                                        \
        if (!(cond))                                                                         \
        {                                                                                    \
            std::fprintf(stderr, "check failed: %s (line %d)\n", #cond, __LINE__);           \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)

// A refused file gives no pairs and a one-line reason; an accepted one at
// most a value's worth of pairs, none null, no physical key twice. TRUE when
// the file was accepted.
inline bool CheckReaderRules(const CRemapFileReader& reader, bool bRead)
{
    if (!bRead)
    {
        FUZZ_CHECK(reader.GetPairs().empty());
        FUZZ_CHECK(!reader.GetError().empty());
        FUZZ_CHECK(reader.GetError().find('\n') == std::string::npos);
        return false;
    }
    FUZZ_CHECK(reader.GetPairs().size() <= (size_t)CScancodeMapCodec::MAX_MAPPINGS);
    std::set<WORD> physical;
    for (const CRemapPair& pair : reader.GetPairs())
    {
        FUZZ_CHECK(!pair.IsNull());
        FUZZ_CHECK(physical.insert(pair.wPhysical).second);
    }
    return true;
}

// Accepted pairs, written as the program writes its list to a .reg file,
// read back from that file the same and in the same order.
inline void CheckRegFileRoundTrip(const std::vector<CRemapPair>& pairs)
{
    CRemapList list;
    for (const CRemapPair& pair : pairs)
        list.SetAt(pair.wPhysical, pair.wProduced);
    std::vector<BYTE> value;
    FUZZ_CHECK(list.Encode(&value));
    FUZZ_CHECK(value.size() == 16 + 4 * pairs.size());
    std::vector<BYTE> file;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &file);
    CRemapFileReader again;
    FUZZ_CHECK(again.Read(file.data(), file.size()));
    FUZZ_CHECK(again.GetFormat() == CRemapFileReader::FORMAT_REG);
    FUZZ_CHECK(again.GetPairs() == pairs);
}
