#include "framework/dpi_scale.h"

int CDpiScale::Scale(int n, int nToDpi, int nFromDpi)
{
    if (nToDpi <= 0 || nFromDpi <= 0 || nToDpi == nFromDpi)
        return n;
    long long llProduct = (long long)n * nToDpi;
    long long llHalf = nFromDpi / 2;
    long long llScaled = llProduct >= 0 ? (llProduct + llHalf) / nFromDpi
                                        : -((-llProduct + llHalf) / nFromDpi);
    return (int)llScaled;
}

int CDpiScale::ScaleFontHeight(int nHeight, int nToDpi, int nFromDpi)
{
    int nScaled = Scale(nHeight, nToDpi, nFromDpi);
    if (nScaled == 0 && nHeight != 0)
        return nHeight < 0 ? -1 : 1;
    return nScaled;
}
