#include "tests/support/scancode_map_bytes.h"

#include <cstdio>

#include "model/remap_pair.h"
#include "model/scancode_map_store.h"

void AppendDword(std::vector<BYTE>& bytes, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back((BYTE)(dw >> (8 * i)));
}

std::vector<BYTE> ScancodeMapValue(DWORD dwCount, std::initializer_list<DWORD> words)
{
    std::vector<BYTE> bytes;
    AppendDword(bytes, 0);
    AppendDword(bytes, 0);
    AppendDword(bytes, dwCount);
    for (DWORD dw : words)
        AppendDword(bytes, dw);
    return bytes;
}

std::vector<BYTE> ScancodeMapBytes(const PairList& pairs)
{
    std::vector<BYTE> bytes = ScancodeMapValue((DWORD)pairs.size() + 1, {});
    for (const auto& pair : pairs)
        AppendDword(bytes, ((DWORD)pair.first << 16) | pair.second);
    AppendDword(bytes, 0);
    return bytes;
}

std::vector<BYTE> FullScancodeMapValue()
{
    PairList pairs;
    for (WORD w = 1; w <= 1020; ++w)
        pairs.push_back(std::make_pair(w, (WORD)0x1D));
    return ScancodeMapBytes(pairs);
}

void AppendPairText(std::string& str, const CRemapPair& pair)
{
    char sz[16];
    std::snprintf(sz, sizeof sz, "%s%04X:%04X", str.empty() ? "" : " ", pair.wPhysical,
                  pair.wProduced);
    str += sz;
}

std::string WalkText(CScancodeMapStore& store)
{
    std::string str;
    store.GetStartPosition();
    CRemapPair pair;
    while (!store.GetNext(pair).IsNull())
        AppendPairText(str, pair);
    return str;
}
