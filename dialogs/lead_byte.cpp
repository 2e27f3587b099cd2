#include "dialogs/lead_byte.h"

BOOL IsCodePage932LeadByte(BYTE b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
