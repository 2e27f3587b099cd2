#include <gtest/gtest.h>

#include "view/key_cap_state.h"
#include "view/key_draw_types.h"

namespace
{
const int UP = CKeyCapState::KEYSTATE_UP;
const int DOWN = CKeyCapState::KEYSTATE_DOWN;
const int HILITE = CKeyCapState::KEYSTATE_HILITE;
const int UNHILITE = CKeyCapState::KEYSTATE_UNHILITE;
} // namespace

TEST(KeyCapState, Requests_SetTheNibble)
{
    EXPECT_EQ(0, CKeyCapState::ApplyRequest(3, UP));
    EXPECT_EQ(1, CKeyCapState::ApplyRequest(0, DOWN));
    EXPECT_EQ(1, CKeyCapState::ApplyRequest(2, DOWN)); // pressing clears the highlight
    EXPECT_EQ(2, CKeyCapState::ApplyRequest(0, HILITE));
    EXPECT_EQ(3, CKeyCapState::ApplyRequest(1, HILITE)); // other bits kept
    EXPECT_EQ(1, CKeyCapState::ApplyRequest(3, UNHILITE));
    EXPECT_EQ(0, CKeyCapState::ApplyRequest(2, UNHILITE));
    EXPECT_EQ(0, CKeyCapState::ApplyRequest(0, UNHILITE));
}

TEST(KeyCapState, UnknownRequest_KeepsTheNibble)
{
    EXPECT_EQ(3, CKeyCapState::ApplyRequest(3, 3));
    EXPECT_EQ(2, CKeyCapState::ApplyRequest(2, 8));
}

TEST(KeyCapLook, Highlighted_IsSunkenOffsetAndBlue_EvenWhenRemapped)
{
    for (int nState : {2, 3})
        for (BOOL bRemapped : {FALSE, TRUE})
        {
            CKeyCapLook look = CKeyCapState::GetLook(nState, TRUE, bRemapped, 0);
            EXPECT_EQ(KEY_EDGE_SUNKEN, look.nEdge);
            EXPECT_EQ(1, look.nOffset);
            EXPECT_EQ(KEY_COLOR_BLUE, look.crText);
        }
}

TEST(KeyCapLook, Pressed_IsSunkenOffset_AndKeepsRedOrBlack)
{
    CKeyCapLook remapped = CKeyCapState::GetLook(1, TRUE, TRUE, 0);
    EXPECT_EQ(KEY_EDGE_SUNKEN, remapped.nEdge);
    EXPECT_EQ(1, remapped.nOffset);
    EXPECT_EQ(KEY_COLOR_RED, remapped.crText);
    CKeyCapLook base = CKeyCapState::GetLook(1, FALSE, FALSE, 0);
    EXPECT_EQ(KEY_EDGE_SUNKEN, base.nEdge);
    EXPECT_EQ(KEY_COLOR_BLACK, base.crText);
}

TEST(KeyCapLook, Up_BaseRaisedBlack_RemappedRaisedRed_UnmappedEtchedBlack)
{
    CKeyCapLook base = CKeyCapState::GetLook(0, FALSE, FALSE, 0);
    EXPECT_EQ(KEY_EDGE_RAISED, base.nEdge);
    EXPECT_EQ(0, base.nOffset);
    EXPECT_EQ(KEY_COLOR_BLACK, base.crText);
    CKeyCapLook remapped = CKeyCapState::GetLook(0, TRUE, TRUE, 0);
    EXPECT_EQ(KEY_EDGE_RAISED, remapped.nEdge);
    EXPECT_EQ(KEY_COLOR_RED, remapped.crText);
    CKeyCapLook unmapped = CKeyCapState::GetLook(0, TRUE, FALSE, 0);
    EXPECT_EQ(KEY_EDGE_ETCHED, unmapped.nEdge);
    EXPECT_EQ(0, unmapped.nOffset);
    EXPECT_EQ(KEY_COLOR_BLACK, unmapped.crText);
}

TEST(KeyCapLook, Styles_SimpleHasNoCopy_RaisedCopyUpLeft_SunkCopyDownRight)
{
    CKeyCapLook simple = CKeyCapState::GetLook(0, FALSE, FALSE, 0);
    EXPECT_EQ(FALSE, simple.bStyleCopy);
    CKeyCapLook raised = CKeyCapState::GetLook(0, FALSE, FALSE, 1);
    EXPECT_EQ(TRUE, raised.bStyleCopy);
    EXPECT_EQ(-1, raised.nStyleShift);
    CKeyCapLook sunk = CKeyCapState::GetLook(0, FALSE, FALSE, 2);
    EXPECT_EQ(TRUE, sunk.bStyleCopy);
    EXPECT_EQ(1, sunk.nStyleShift);
    // Any other positive style: a white copy right under the label.
    CKeyCapLook other = CKeyCapState::GetLook(0, FALSE, FALSE, 7);
    EXPECT_EQ(TRUE, other.bStyleCopy);
    EXPECT_EQ(0, other.nStyleShift);
    EXPECT_EQ(FALSE, CKeyCapState::GetLook(0, FALSE, FALSE, -1).bStyleCopy);
}
