#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "model/word_hash_map.h"

namespace
{
typedef CWordHashMap<int> CIntMap;

// Keys in iteration order.
std::vector<WORD> KeysOf(const CIntMap& map)
{
    std::vector<WORD> keys;
    CIntMap::Position pos = map.GetStartPosition();
    while (pos != NULL)
    {
        WORD wKey = 0;
        int nValue = 0;
        map.GetNextAssoc(pos, wKey, nValue);
        keys.push_back(wKey);
    }
    return keys;
}

// Keys in iteration order after setting these, in this order, on an empty map.
std::vector<WORD> KeysAfterSetting(std::initializer_list<WORD> keys)
{
    CIntMap map;
    int nValue = 0;
    for (WORD wKey : keys)
        map.SetAt(wKey, ++nValue);
    return KeysOf(map);
}
} // namespace

TEST(WordHashMapLayout, BucketIsKeyShiftedFourModSeventeen)
{
    EXPECT_EQ(3u, CIntMap::HashKey(0x003A));
    EXPECT_EQ(1u, CIntMap::HashKey(0x001D));
    EXPECT_EQ(0u, CIntMap::HashKey(0xE038));
    EXPECT_EQ(0u, CIntMap::HashKey(0x0110)); // 17 wraps to bucket 0
    EXPECT_EQ(15u, CIntMap::HashKey(0xFFFF));
}

TEST(WordHashMapLayout, IteratesByAscendingBucket_WhateverTheInsertionOrder)
{
    EXPECT_EQ((std::vector<WORD>{0xE038, 0x001D, 0x003A}),
              KeysAfterSetting({0x003A, 0x001D, 0xE038}));
}

TEST(WordHashMapLayout, PutsNewEntryAtHeadOfItsChain)
{
    EXPECT_EQ((std::vector<WORD>{0x0015, 0x001D, 0x0010}),
              KeysAfterSetting({0x0010, 0x001D, 0x0015}));
}

TEST(WordHashMapLayout, WrappedBucketSharesChainWithLowKeys)
{
    // 0x0020 is in bucket 2.
    EXPECT_EQ((std::vector<WORD>{0x0005, 0x0110, 0x0020}),
              KeysAfterSetting({0x0110, 0x0005, 0x0020}));
}

TEST(WordHashMapEdit, ReplacesValueInPlace_KeepingPositionAndCount)
{
    CIntMap map;
    map.SetAt(0x0010, 1);
    map.SetAt(0x001D, 2);
    map.SetAt(0x0010, 7);
    EXPECT_EQ(2, map.GetCount());
    EXPECT_EQ((std::vector<WORD>{0x001D, 0x0010}), KeysOf(map));
    int nValue = 0;
    ASSERT_TRUE(map.Lookup(0x0010, nValue));
    EXPECT_EQ(7, nValue);
}

TEST(WordHashMapEdit, LookupOfMissingKey_LeavesValueAlone)
{
    CIntMap map;
    int nValue = 42;
    EXPECT_FALSE(map.Lookup(0x0010, nValue)); // no table yet
    map.SetAt(0x0011, 1);
    EXPECT_FALSE(map.Lookup(0x0010, nValue)); // same bucket, other key
    EXPECT_EQ(42, nValue);
}

TEST(WordHashMapEdit, RemovalUnlinks_AndKeepsTheOthersInOrder)
{
    CIntMap map;
    for (WORD wKey : {0x0010, 0x0011, 0x0012, 0x0013, 0x003A, 0xE038})
        map.SetAt(wKey, wKey);
    ASSERT_EQ((std::vector<WORD>{0xE038, 0x0013, 0x0012, 0x0011, 0x0010, 0x003A}), KeysOf(map));

    EXPECT_TRUE(map.RemoveKey(0x0012)); // middle of a chain
    EXPECT_TRUE(map.RemoveKey(0x0013)); // head of a chain
    EXPECT_TRUE(map.RemoveKey(0x0010)); // tail of a chain
    EXPECT_EQ((std::vector<WORD>{0xE038, 0x0011, 0x003A}), KeysOf(map));
    EXPECT_EQ(3, map.GetCount());
}

TEST(WordHashMapEdit, RemoveKey_ReturnsFalse_WhenKeyAbsent)
{
    CIntMap map;
    EXPECT_FALSE(map.RemoveKey(0x0010)); // no table at all
    map.SetAt(0x0011, 1);
    EXPECT_FALSE(map.RemoveKey(0x0010));
    EXPECT_EQ(1, map.GetCount());
}

TEST(WordHashMapStorage, ReleasesTable_WhenLastEntryGoes_AndMakesItAgain)
{
    CIntMap map;
    EXPECT_FALSE(map.HasTable());
    map.SetAt(0x0010, 1);
    map.SetAt(0x003A, 2);
    EXPECT_TRUE(map.HasTable());

    map.RemoveKey(0x0010);
    EXPECT_TRUE(map.HasTable());
    map.RemoveKey(0x003A);
    EXPECT_FALSE(map.HasTable());
    EXPECT_EQ(0, map.GetBlockCount());
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_TRUE(map.GetStartPosition() == NULL);

    map.SetAt(0x001D, 3);
    map.SetAt(0x0010, 4);
    EXPECT_TRUE(map.HasTable());
    EXPECT_EQ((std::vector<WORD>{0x0010, 0x001D}), KeysOf(map));
}

TEST(WordHashMapStorage, AllocatesEntriesInBlocksOfTen_AndReusesFreedOnes)
{
    CIntMap map;
    for (WORD wKey = 1; wKey <= 10; ++wKey)
        map.SetAt(wKey, wKey);
    EXPECT_EQ(1, map.GetBlockCount());
    map.SetAt(11, 11);
    EXPECT_EQ(2, map.GetBlockCount());

    for (WORD wKey = 1; wKey <= 9; ++wKey)
        map.RemoveKey(wKey);
    for (WORD wKey = 100; wKey < 109; ++wKey)
        map.SetAt(wKey, wKey);
    EXPECT_EQ(2, map.GetBlockCount());
    EXPECT_EQ(11, map.GetCount());

    for (WORD wKey = 200; wKey < 225; ++wKey)
        map.SetAt(wKey, wKey);
    EXPECT_EQ(4, map.GetBlockCount());
    EXPECT_EQ(36, (int)KeysOf(map).size());

    map.RemoveAll();
    EXPECT_EQ(0, map.GetBlockCount());
    EXPECT_FALSE(map.HasTable());
    EXPECT_EQ(0, map.GetCount());
}

TEST(WordHashMapStorage, HoldsAndReleasesOwningValues)
{
    // Values that own heap memory: ASan watches their copies and release.
    CWordHashMap<std::string> map;
    for (WORD wKey = 0; wKey < 30; ++wKey)
        map.SetAt(wKey, std::string(64, (char)('a' + wKey % 26)));
    map.SetAt(5, std::string(80, 'z'));
    for (WORD wKey = 0; wKey < 30; wKey += 2)
        map.RemoveKey(wKey);
    std::string str;
    ASSERT_TRUE(map.Lookup(5, str));
    EXPECT_EQ(std::string(80, 'z'), str);
    EXPECT_EQ(15, map.GetCount());
}

TEST(WordHashMapStorage, StaysConsistent_OverManyInsertAndRemoveCycles)
{
    CIntMap map;
    std::map<WORD, int> model;
    unsigned nSeed = 12345;
    for (int nStep = 0; nStep < 20000; ++nStep)
    {
        nSeed = nSeed * 1103515245u + 12345u;
        WORD wKey = (WORD)((nSeed >> 8) % 300 * 37); // spread over every bucket
        if ((nSeed >> 24) % 3 == 0)
        {
            EXPECT_EQ(model.erase(wKey) != 0, map.RemoveKey(wKey) != FALSE);
        }
        else
        {
            map.SetAt(wKey, nStep);
            model[wKey] = nStep;
        }
        if (nStep % 500 == 0)
        {
            ASSERT_EQ((int)model.size(), map.GetCount());
            std::vector<WORD> keys = KeysOf(map);
            ASSERT_EQ(model.size(), keys.size());
            for (size_t i = 0; i < keys.size(); ++i)
            {
                int nValue = -1;
                ASSERT_TRUE(map.Lookup(keys[i], nValue));
                EXPECT_EQ(model[keys[i]], nValue);
                if (i > 0)
                {
                    EXPECT_LE(CIntMap::HashKey(keys[i - 1]), CIntMap::HashKey(keys[i]));
                }
            }
        }
        if (nStep % 4999 == 0)
        {
            map.RemoveAll();
            model.clear();
        }
    }
    EXPECT_LE(map.GetBlockCount(), 30); // 300 keys at most, freed entries reused
}
