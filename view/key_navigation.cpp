#include "view/key_navigation.h"

#include <cstdlib>

#include "view/key_draw_types.h"

namespace
{
// Twice the centre, to stay in whole numbers.
LONG CentreX2(const CDrawRect& rc)
{
    return rc.left + rc.right;
}

LONG CentreY2(const CDrawRect& rc)
{
    return rc.top + rc.bottom;
}

// In the same row: the form's rows may touch or overlap by a pixel, so half
// the lower key's height must be shared.
BOOL OverlapVertically(const CDrawRect& a, const CDrawRect& b)
{
    LONG nShared = (a.bottom < b.bottom ? a.bottom : b.bottom) - (a.top > b.top ? a.top : b.top);
    LONG nLower = RectHeight(a) < RectHeight(b) ? RectHeight(a) : RectHeight(b);
    return nShared > 0 && 2 * nShared >= nLower;
}
} // namespace

BOOL CKeyNavigation::IsReachable(int i) const
{
    return RectWidth(m_caps[i].rect) > 0 && RectHeight(m_caps[i].rect) > 0;
}

int CKeyNavigation::Move(int nFrom, EMove move) const
{
    if (nFrom < 0 || nFrom >= (int)m_caps.size())
        return nFrom;
    switch (move)
    {
    case NAV_LEFT: return Beside(nFrom, -1);
    case NAV_RIGHT: return Beside(nFrom, +1);
    case NAV_UP: return Across(nFrom, -1);
    case NAV_DOWN: return Across(nFrom, +1);
    case NAV_ROW_START: return RowEnd(nFrom, -1);
    case NAV_ROW_END: return RowEnd(nFrom, +1);
    case NAV_BOARD_FIRST: return BoardCorner(nFrom, -1);
    case NAV_BOARD_LAST: return BoardCorner(nFrom, +1);
    case NAV_BOARD_ABOVE: return Twin(nFrom, FALSE);
    case NAV_BOARD_BELOW: return Twin(nFrom, TRUE);
    default: return nFrom;
    }
}

int CKeyNavigation::Beside(int nFrom, int nSign) const
{
    // The nearest cap of the same row on that side; a tall key belongs to
    // every row it spans.
    const CDrawRect& from = m_caps[nFrom].rect;
    int nBest = nFrom;
    LONG nBestGap = 0, nBestDrift = 0;
    for (int i = 0; i < (int)m_caps.size(); ++i)
    {
        const CDrawRect& rc = m_caps[i].rect;
        if (i == nFrom || !IsReachable(i) || !OverlapVertically(rc, from))
            continue;
        LONG nGap = (CentreX2(rc) - CentreX2(from)) * nSign;
        if (nGap <= 0)
            continue;
        LONG nDrift = std::labs(CentreY2(rc) - CentreY2(from));
        if (nBest == nFrom || nGap < nBestGap || (nGap == nBestGap && nDrift < nBestDrift))
        {
            nBest = i;
            nBestGap = nGap;
            nBestDrift = nDrift;
        }
    }
    return nBest;
}

int CKeyNavigation::Across(int nFrom, int nSign) const
{
    // The keys beyond this key's edge (their centre lies past it); first the
    // nearest row of them, by the gap between the edges, so that a tall key
    // counts from its near end; then in it the key nearest across.
    const CDrawRect& from = m_caps[nFrom].rect;
    LONG nEdge2 = 2 * (nSign > 0 ? from.bottom : from.top);
    std::vector<LONG> gaps(m_caps.size(), -1);
    LONG nNearest = -1;
    for (int i = 0; i < (int)m_caps.size(); ++i)
    {
        const CDrawRect& rc = m_caps[i].rect;
        if (i == nFrom || !IsReachable(i) || (CentreY2(rc) - nEdge2) * nSign <= 0)
            continue;
        LONG nGap = nSign > 0 ? rc.top - from.bottom : from.top - rc.bottom;
        gaps[(size_t)i] = nGap < 0 ? 0 : nGap;
        if (nNearest < 0 || gaps[(size_t)i] < nNearest)
            nNearest = gaps[(size_t)i];
    }
    if (nNearest < 0)
        return nFrom;
    // A row whose keys stand a little lower or higher still counts as one row.
    LONG nSlack = RectHeight(from) / 2;
    int nBest = nFrom;
    LONG nBestAcross = 0, nBestGap = 0;
    for (int i = 0; i < (int)m_caps.size(); ++i)
    {
        LONG nGap = gaps[(size_t)i];
        if (nGap < 0 || nGap > nNearest + nSlack)
            continue;
        LONG nAcross = std::labs(CentreX2(m_caps[i].rect) - CentreX2(from));
        if (nBest == nFrom || nAcross < nBestAcross || (nAcross == nBestAcross && nGap < nBestGap))
        {
            nBest = i;
            nBestAcross = nAcross;
            nBestGap = nGap;
        }
    }
    return nBest;
}

int CKeyNavigation::RowEnd(int nFrom, int nSign) const
{
    int nBest = nFrom;
    while (true)
    {
        int nNext = Beside(nBest, nSign);
        if (nNext == nBest)
            return nBest;
        nBest = nNext;
    }
}

int CKeyNavigation::BoardCorner(int nFrom, int nSign) const
{
    // The top row's leftmost key, or the bottom row's rightmost key, of the
    // keyboard the focus is on: first the outermost row, then its end.
    int nOuter = -1;
    for (int i = 0; i < (int)m_caps.size(); ++i)
    {
        if (!IsReachable(i) || m_caps[i].bOnRemapBoard != m_caps[nFrom].bOnRemapBoard)
            continue;
        if (nOuter < 0 || (CentreY2(m_caps[i].rect) - CentreY2(m_caps[nOuter].rect)) * nSign > 0)
            nOuter = i;
    }
    if (nOuter < 0)
        return nFrom;
    int nBest = nOuter;
    for (int i = 0; i < (int)m_caps.size(); ++i)
    {
        const CDrawRect& rc = m_caps[i].rect;
        if (!IsReachable(i) || m_caps[i].bOnRemapBoard != m_caps[nFrom].bOnRemapBoard ||
            std::labs(CentreY2(rc) - CentreY2(m_caps[nOuter].rect)) > RectHeight(rc))
            continue;
        if ((CentreX2(rc) - CentreX2(m_caps[nBest].rect)) * nSign > 0)
            nBest = i;
    }
    return nBest;
}

int CKeyNavigation::Twin(int nFrom, BOOL bToRemapBoard) const
{
    if (m_caps[nFrom].bOnRemapBoard == bToRemapBoard)
        return nFrom;
    for (int i = 0; i < (int)m_caps.size(); ++i)
    {
        if (IsReachable(i) && m_caps[i].bOnRemapBoard == bToRemapBoard &&
            m_caps[i].wScancode == m_caps[nFrom].wScancode)
            return i;
    }
    return nFrom;
}
