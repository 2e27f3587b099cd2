// This suite writes HKEY_LOCAL_MACHINE\...\Keyboard Layout and starts the
// program: it runs only inside a throw-away Wine prefix, never on a real
// Windows machine.
#include <gtest/gtest.h>
#include <windows.h>

namespace
{
class CWineOnly : public ::testing::Environment
{
public:
    void SetUp() override
    {
        HMODULE hNtdll = ::GetModuleHandleA("ntdll.dll");
        if (hNtdll == NULL || ::GetProcAddress(hNtdll, "wine_get_version") == NULL)
            FAIL() << "The Win32 suite changes the machine's registry; run it under Wine only.";
    }
};

::testing::Environment* const s_pWineOnly = ::testing::AddGlobalTestEnvironment(new CWineOnly);
} // namespace
