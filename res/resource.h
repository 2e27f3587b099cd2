// Resource and command ids, grouped by kind.
#pragma once

// Strings
#define IDS_APP_TITLE 57344
