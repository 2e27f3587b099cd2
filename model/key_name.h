// A key's name as the platform's key-name service gives it for the active
// keyboard layout.
#pragma once

#include <string>

#include "platform/keyboard_services.h"

// The name of a key-table code, or the empty text when the service knows none.
// Asked anew on every call, never cached: names follow the active input language.
std::string GetKeyName(IKeyboardServices& keyboard, WORD wTableCode);
