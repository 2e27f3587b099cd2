// The program's own messages as the two resource sets give them (UTF-8), for
// tests that check box texts without the real string tables.
#pragma once

#include "tests/support/scripted_message_boxes.h"

// Ids 57344, 1000, 1002, 1003, 1004, 1011, 1013, 1015, 1016, 1018, 1019, 1020.
void FillJapaneseStrings(CFakeStrings* pStrings);
void FillNeutralStrings(CFakeStrings* pStrings);
