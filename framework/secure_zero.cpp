#include "framework/secure_zero.h"

void SecureZeroBytes(void* p, size_t cb)
{
    volatile unsigned char* pBytes = static_cast<volatile unsigned char*>(p);
    for (size_t i = 0; i < cb; ++i)
        pBytes[i] = 0;
}

void SecureZeroString(std::string& str)
{
    if (!str.empty())
        SecureZeroBytes(&str[0], str.size());
    str.clear();
}
