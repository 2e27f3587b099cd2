// The key font comes from the user's profile and the label from the system:
// whatever they are, fitting measures a bounded number of fonts and its
// result lies inside the cap.
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "view/key_fit.h"

namespace
{
// Metrics that the input chooses: a character is |h| * nWidthEighths / 8
// wide and a line |h| + nLeading high; words wrap at spaces.
class CFuzzMeasure : public ITextMeasure
{
public:
    CTextExtent GetKeyFontExtent(const std::string& strText) override
    {
        return CTextExtent{(int)strText.size() * m_cxKeyChar, 11};
    }
    CTextExtent GetWrappedExtent(const CFontRecord& record, const std::string& strText,
                                 int nWidth) override
    {
        ++m_nMeasured;
        long long cy = record.lfHeight < 0 ? -(long long)record.lfHeight : record.lfHeight;
        long long cxChar = cy * m_nWidthEighths / 8;
        long long cxLine = 0;
        long long cxMax = 0;
        long long nLines = 1;
        for (char c : strText)
        {
            if (c == ' ' && cxLine > nWidth)
            {
                ++nLines;
                cxLine = 0;
                continue;
            }
            cxLine += cxChar;
            cxMax = cxLine > cxMax ? cxLine : cxMax;
        }
        long long cyAll = nLines * (cy + m_nLeading);
        return CTextExtent{(int)(cxMax > 1000000 ? 1000000 : cxMax),
                           (int)(cyAll > 1000000 ? 1000000 : cyAll)};
    }

    int m_cxKeyChar = 6;
    int m_nWidthEighths = 4;
    int m_nLeading = 0;
    long long m_nMeasured = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData)
{
    FuzzedDataProvider provider(pData, cbData);
    CFuzzMeasure measure;
    measure.m_cxKeyChar = provider.ConsumeIntegralInRange<int>(0, 40);
    measure.m_nWidthEighths = provider.ConsumeIntegralInRange<int>(0, 16);
    measure.m_nLeading = provider.ConsumeIntegralInRange<int>(0, 8);
    // Caps are laid out by the form: within a screen, possibly empty or inverted.
    CDrawRect rectCap;
    rectCap.left = provider.ConsumeIntegralInRange<LONG>(-4000, 4000);
    rectCap.top = provider.ConsumeIntegralInRange<LONG>(-4000, 4000);
    rectCap.right = rectCap.left + provider.ConsumeIntegralInRange<LONG>(-50, 400);
    rectCap.bottom = rectCap.top + provider.ConsumeIntegralInRange<LONG>(-50, 400);
    // The key font is stored data: any bytes at all.
    CFontRecord keyFont;
    std::vector<BYTE> record = provider.ConsumeBytes<BYTE>(sizeof keyFont);
    record.resize(sizeof keyFont, 0);
    std::memcpy(&keyFont, record.data(), sizeof keyFont);
    keyFont.lfFaceName[sizeof keyFont.lfFaceName - 1] = '\0';
    BOOL bDebug = provider.ConsumeBool();
    int nFitKeyname = provider.ConsumeIntegral<int>();
    std::string strLabel = provider.ConsumeRemainingBytesAsString();

    CKeyFitResult result = CKeyFit(measure).Fit(rectCap, strLabel, keyFont, bDebug, nFitKeyname);

    const long long cyText = (long long)rectCap.bottom - rectCap.top - 2 * CKeyFit::TEXT_MARGIN;
    // At most one font per pixel of the text rectangle's height.
    FUZZ_CHECK(measure.m_nMeasured <= (cyText > 0 ? cyText : 0));
    FUZZ_CHECK(result.rectText.left == rectCap.left + CKeyFit::TEXT_MARGIN);
    FUZZ_CHECK(result.rectText.right == rectCap.right - CKeyFit::TEXT_MARGIN);
    FUZZ_CHECK(result.rectText.bottom == rectCap.bottom - CKeyFit::TEXT_MARGIN);
    FUZZ_CHECK(result.rectText.top >= rectCap.top + CKeyFit::TEXT_MARGIN);
    FUZZ_CHECK(result.lfFit.lfFaceName[sizeof result.lfFit.lfFaceName - 1] == '\0');
    if (!IsEmptyFontRecord(result.lfFit) && result.lfFit.lfCharSet != KEY_SYMBOL_CHARSET)
    {
        // A fitted font: never larger than the text rectangle, never below the smallest.
        FUZZ_CHECK(result.lfFit.lfHeight <= CKeyFit::SMALLEST_HEIGHT);
        FUZZ_CHECK(-(long long)result.lfFit.lfHeight <= cyText);
        FUZZ_CHECK(result.rectText.top <= result.rectText.bottom);
    }
    return 0;
}
