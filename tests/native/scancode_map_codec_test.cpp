#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/scancode_map_codec.h"
#include "tests/support/scancode_map_bytes.h"

namespace
{
typedef std::vector<BYTE> Bytes;

// "PHYS:PROD PHYS:PROD ..." in the order decoded.
std::string Decode(const Bytes& bytes, int* pnGiven = nullptr)
{
    std::vector<CRemapPair> pairs;
    int nGiven = CScancodeMapCodec::DecodeScancodeMap(bytes.data(), (DWORD)bytes.size(), &pairs);
    if (pnGiven != nullptr)
        *pnGiven = nGiven;
    std::string str;
    for (const CRemapPair& pair : pairs)
        AppendPairText(str, pair);
    return str;
}

Bytes Encode(std::vector<CRemapPair> pairs)
{
    BYTE image[CScancodeMapCodec::IMAGE_SIZE];
    DWORD cb = CScancodeMapCodec::EncodeScancodeMap(pairs, image);
    return Bytes(image, image + cb);
}
} // namespace

// ---- The three byte images ------------------------------------------------

TEST(ScancodeMapEncode, CapsLockSendingLeftCtrl_IsTwentyBytes)
{
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0}),
              Encode({CRemapPair(0x003A, 0x001D)}));
}

TEST(ScancodeMapEncode, E0PrefixedPhysicalKey_GoesIntoHighWord)
{
    Bytes bytes = Encode({CRemapPair(0xE038, 0x001D)});
    ASSERT_EQ(20u, bytes.size());
    EXPECT_EQ((Bytes{0x1D, 0x00, 0x38, 0xE0}), Bytes(bytes.begin() + 12, bytes.begin() + 16));
}

TEST(ScancodeMapEncode, EmptyList_IsSixteenByteTableWithCountOne)
{
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}), Encode({}));
}

TEST(ScancodeMapDecode, ReadsTheThreeImages)
{
    EXPECT_EQ("003A:001D",
              Decode({0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0}));
    EXPECT_EQ("E038:001D", Decode(ScancodeMapValue(2, {0xE038001D, 0})));
    EXPECT_EQ("", Decode({0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
}

// ---- Decoding ------------------------------------------------------------

TEST(ScancodeMapDecode, KeepsValueOrder_AndDuplicates)
{
    // Duplicates are the store's business: the decoder gives every entry.
    EXPECT_EQ("0010:0001 001D:0002 0010:0003",
              Decode(ScancodeMapValue(4, {0x00100001, 0x001D0002, 0x00100003, 0})));
}

TEST(ScancodeMapDecode, CountOfOneOrLess_MeansNoMappings)
{
    const DWORD counts[] = {0, 1, 0xFFFFFFFF, 0x80000000};
    for (DWORD dwCount : counts)
    {
        int nGiven = -1;
        EXPECT_EQ("", Decode(ScancodeMapValue(dwCount, {0x003A001D, 0}), &nGiven)) << dwCount;
        EXPECT_EQ(0, nGiven);
    }
}

TEST(ScancodeMapDecode, IgnoresVersionFlagsAndTerminator)
{
    Bytes bytes = ScancodeMapValue(2, {0x003A001D, 0xDEADBEEF});
    bytes[0] = 0x7F;
    bytes[5] = 0x55;
    EXPECT_EQ("003A:001D", Decode(bytes));
}

TEST(ScancodeMapDecode, ValueShorterThanHeader_HasNoMappings)
{
    Bytes bytes = ScancodeMapValue(2, {0x003A001D});
    EXPECT_EQ("", Decode(Bytes(bytes.begin(), bytes.begin() + 11)));
    EXPECT_EQ("", Decode(Bytes()));
    std::vector<CRemapPair> pairs;
    EXPECT_EQ(0, CScancodeMapCodec::DecodeScancodeMap(nullptr, 0, &pairs));
}

TEST(ScancodeMapDecode, CountBeyondData_TakesOnlyTheWholeEntriesReturned)
{
    EXPECT_EQ("", Decode(ScancodeMapValue(3, {})));
    EXPECT_EQ("003A:001D 001D:003A", Decode(ScancodeMapValue(100, {0x003A001D, 0x001D003A})));
    Bytes bytes = ScancodeMapValue(100, {0x003A001D, 0x001D003A});
    bytes.resize(bytes.size() - 1); // a torn last entry is not taken
    EXPECT_EQ("003A:001D", Decode(bytes));
}

TEST(ScancodeMapDecode, HugeCount_IsClampedToTheImage)
{
    // 4096 bytes hold 1021 entries; a longer buffer is not read beyond the image.
    Bytes bytes = ScancodeMapValue(0x7FFFFFFF, {});
    for (DWORD i = 1; bytes.size() < 8192; ++i)
        AppendDword(bytes, (i << 16) | 0x1D);
    int nGiven = 0;
    Decode(Bytes(bytes.begin(), bytes.begin() + 4096), &nGiven);
    EXPECT_EQ(1021, nGiven);
    Decode(bytes, &nGiven);
    EXPECT_EQ(1021, nGiven);
}

TEST(ScancodeMapDecode, SkipsNullEntry_ButKeepsOtherPhysicalZeroEntries)
{
    int nGiven = 0;
    EXPECT_EQ("0000:001D 003A:001D",
              Decode(ScancodeMapValue(4, {0x0000001D, 0x00000000, 0x003A001D, 0}), &nGiven));
    EXPECT_EQ(2, nGiven);
}

TEST(ScancodeMapDecode, CountOneTooHigh_TurnsTerminatorIntoSkippedNullEntry)
{
    EXPECT_EQ("003A:001D", Decode(ScancodeMapValue(3, {0x003A001D, 0})));
}

TEST(ScancodeMapDecode, ProducedZero_IsAnOrdinaryEntry)
{
    EXPECT_EQ("003A:0000", Decode(ScancodeMapValue(2, {0x003A0000, 0})));
}

// ---- Encoding ------------------------------------------------------------

TEST(ScancodeMapEncode, WritesPairsInTheOrderGiven_WithVersionAndFlagsZero)
{
    EXPECT_EQ(ScancodeMapValue(4, {0xE038001D, 0x001D0000, 0x003A001D, 0}),
              Encode({CRemapPair(0xE038, 0x001D), CRemapPair(0x001D, 0), CRemapPair(0x003A, 0x001D)}));
}

TEST(ScancodeMapEncode, StopsAtFirstNullPair_WithCountMatchingEntriesWritten)
{
    EXPECT_EQ(ScancodeMapValue(2, {0x003A001D, 0}),
              Encode({CRemapPair(0x003A, 0x001D), CRemapPair(), CRemapPair(0x001D, 0x003A)}));
}

TEST(ScancodeMapEncode, KeepsPhysicalZeroWithProducedCode)
{
    EXPECT_EQ(ScancodeMapValue(2, {0x0000001D, 0}), Encode({CRemapPair(0x0000, 0x001D)}));
}

TEST(ScancodeMapEncode, FillsTheImageWith1020Mappings_AndRefuses1021)
{
    std::vector<CRemapPair> pairs;
    for (WORD w = 1; w <= 1020; ++w)
        pairs.push_back(CRemapPair(w, 0x1D));
    Bytes bytes = Encode(pairs);
    ASSERT_EQ(4096u, bytes.size());
    EXPECT_EQ((Bytes{0xFD, 0x03, 0, 0}), Bytes(bytes.begin() + 8, bytes.begin() + 12)); // 1021
    EXPECT_EQ((Bytes{0x1D, 0, 0xFC, 0x03}), Bytes(bytes.end() - 8, bytes.end() - 4));
    EXPECT_EQ((Bytes{0, 0, 0, 0}), Bytes(bytes.end() - 4, bytes.end()));

    pairs.push_back(CRemapPair(1021, 0x1D));
    BYTE image[CScancodeMapCodec::IMAGE_SIZE];
    EXPECT_EQ(0u, CScancodeMapCodec::EncodeScancodeMap(pairs, image));
}

TEST(ScancodeMapCodec, DecodingWhatWasEncoded_GivesThePairsBack)
{
    Bytes bytes = Encode({CRemapPair(0xE05B, 0x001D), CRemapPair(0x003A, 0), CRemapPair(0x0001, 0xE038)});
    EXPECT_EQ("E05B:001D 003A:0000 0001:E038", Decode(bytes));
}
