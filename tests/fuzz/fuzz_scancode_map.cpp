// The Scancode Map value is outside data: anything another program (or a
// damaged hive) left there must read without harm and write back sanely.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "model/scancode_map_codec.h"
#include "model/scancode_map_store.h"
#include "tests/support/fake_registry.h"
#include "tests/fuzz/fuzz_check.h"


namespace
{
const char kKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const char kValue[] = "Scancode Map";

// What a read should leave: later produced codes win.
struct CModel
{
    explicit CModel(const std::vector<BYTE>& bytes)
    {
        std::vector<CRemapPair> pairs;
        m_nGiven = CScancodeMapCodec::DecodeScancodeMap(bytes.data(), (DWORD)bytes.size(), &pairs);
        FUZZ_CHECK(m_nGiven == (int)pairs.size());
        for (const CRemapPair& pair : pairs)
        {
            FUZZ_CHECK(!pair.IsNull());
            m_map[pair.wPhysical] = pair.wProduced;
        }
    }
    std::map<WORD, WORD> m_map;
    int m_nGiven = 0;
};

std::map<WORD, WORD> ListOf(CScancodeMapStore& store)
{
    std::map<WORD, WORD> list;
    store.GetStartPosition();
    CRemapPair pair;
    while (!store.GetNext(pair).IsNull())
    {
        FUZZ_CHECK(list.count(pair.wPhysical) == 0);
        list[pair.wPhysical] = pair.wProduced;
    }
    FUZZ_CHECK((int)list.size() == store.GetCount());
    return list;
}

DWORD GetDword(const std::vector<BYTE>& bytes, size_t offset)
{
    return (DWORD)bytes[offset] | ((DWORD)bytes[offset + 1] << 8) |
           ((DWORD)bytes[offset + 2] << 16) | ((DWORD)bytes[offset + 3] << 24);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // The decoder alone, over exactly the bytes given.
    std::vector<BYTE> input(pData, pData + nSize);
    CModel model(input);
    FUZZ_CHECK(model.m_nGiven <= CScancodeMapCodec::MAX_ENTRIES);

    // Read through the registry, then write back.
    CFakeRegistry registry;
    registry.Put(kKey, kValue, REG_BINARY, input);
    CScancodeMapStore store(registry);
    FUZZ_CHECK(store.Open());
    BOOL bRead = store.Read();
    if (nSize > (size_t)CScancodeMapCodec::IMAGE_SIZE)
    {
        FUZZ_CHECK(!bRead);
        FUZZ_CHECK(store.GetCount() == 0);
        return 0;
    }
    FUZZ_CHECK(bRead);
    std::map<WORD, WORD> list = ListOf(store);
    FUZZ_CHECK(list == model.m_map);

    size_t nSetBefore = registry.m_log.size();
    BOOL bWritten = store.Write();
    if (store.GetCount() > CScancodeMapCodec::MAX_MAPPINGS)
    {
        FUZZ_CHECK(!bWritten);
        FUZZ_CHECK(registry.m_log.size() == nSetBefore); // nothing reached the registry
        FUZZ_CHECK(registry.Get(kKey, kValue).bytes == input);
        return 0;
    }
    FUZZ_CHECK(bWritten);
    std::vector<BYTE> written = registry.Get(kKey, kValue).bytes;
    size_t k = list.size();
    FUZZ_CHECK(written.size() == 16 + 4 * k);
    FUZZ_CHECK(written.size() <= (size_t)CScancodeMapCodec::IMAGE_SIZE);
    FUZZ_CHECK(GetDword(written, 0) == 0 && GetDword(written, 4) == 0);
    FUZZ_CHECK(GetDword(written, 8) == k + 1);
    FUZZ_CHECK(GetDword(written, written.size() - 4) == 0);

    // The written bytes decode to the same map, one entry per mapping.
    CModel again(written);
    FUZZ_CHECK((size_t)again.m_nGiven == k);
    FUZZ_CHECK(again.m_map == list);

    // And the walk is unchanged by the write.
    FUZZ_CHECK(ListOf(store) == list);
    return 0;
}
