#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/reg_file_writer.h"
#include "tests/support/reg_file_text.h"
#include "tests/support/scancode_map_bytes.h"

namespace
{
typedef std::vector<BYTE> Bytes;

// A value of n bytes that shows where each byte went: 00, 07, 0e, 15...
Bytes Sevens(size_t n)
{
    Bytes bytes;
    for (size_t i = 0; i < n; ++i)
        bytes.push_back((BYTE)(i * 7));
    return bytes;
}

// The lengths of the value's lines, CR LF not counted.
std::vector<size_t> ValueLineLengths(const Bytes& value)
{
    std::string strText = CRegFileWriter::MakeText(value.data(), (DWORD)value.size());
    std::vector<size_t> lengths;
    size_t nStart = kRegHead.size();
    for (;;)
    {
        size_t nEnd = strText.find("\r\n", nStart);
        if (nEnd == nStart) // the closing blank line
            break;
        lengths.push_back(nEnd - nStart);
        nStart = nEnd + 2;
    }
    return lengths;
}
} // namespace

TEST(RegFileWriter, CapsLockToLeftCtrl_IsTheRegistryEditorsFile_InUtf16WithBom)
{
    Bytes value = ScancodeMapBytes({{0x003A, 0x001D}});
    Bytes file;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &file);

    ASSERT_LE(6u, file.size());
    EXPECT_EQ((Bytes{0xFF, 0xFE, 'W', 0, 'i', 0}), Bytes(file.begin(), file.begin() + 6));
    EXPECT_EQ(Utf16WithBom(kRegHead +
                           "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,1d,00,3a,00,"
                           "00,00,00,00\r\n"
                           "\r\n"),
              file);
}

TEST(RegFileWriter, LongValue_WrapsAsTheRegistryEditorDoes)
{
    // Exported by Wine's regedit from the same 46 bytes.
    Bytes value = Sevens(46);
    EXPECT_EQ(kRegHead +
                  "\"Scancode Map\"=hex:00,07,0e,15,1c,23,2a,31,38,3f,46,4d,54,5b,62,69,70,77,7e,"
                  "85,\\\r\n"
                  "  8c,93,9a,a1,a8,af,b6,bd,c4,cb,d2,d9,e0,e7,ee,f5,fc,03,0a,11,18,1f,26,2d,34,\\\r\n"
                  "  3b\r\n"
                  "\r\n",
              CRegFileWriter::MakeText(value.data(), (DWORD)value.size()));
}

TEST(RegFileWriter, LineBreaks_TwentyBytesFirst_TwentyFiveAfter_OnlyWhenMoreFollow)
{
    // Line lengths as Wine's regedit exports values of these sizes.
    struct Case
    {
        size_t nBytes;
        std::vector<size_t> lengths;
    };
    const Case cases[] = {
        {0, {19}},          {1, {21}},          {20, {78}},         {21, {80, 4}},
        {45, {80, 76}},     {46, {80, 78, 4}},  {70, {80, 78, 76}}, {71, {80, 78, 78, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.lengths, ValueLineLengths(Sevens(c.nBytes))) << c.nBytes << " bytes";
}
