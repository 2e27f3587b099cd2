// A target's own dictionary and seed inputs, given to libFuzzer whatever the
// command line says: "-dict=" and the seeds' folder (read, never written: new
// inputs go to the corpus folder named first) are added when they exist.
//
//   VELLORIC_FUZZ_OPTIONS("fuzz_reg_file") // tests/fuzz/fuzz_reg_file.dict, tests/fuzz/seeds/fuzz_reg_file/
#pragma once

#include <string>
#include <sys/stat.h>
#include <vector>

#ifndef VELLORIC_FUZZ_DIR
#define VELLORIC_FUZZ_DIR "tests/fuzz"
#endif

inline bool FuzzPathExists(const std::string& strPath, bool bFolder = false)
{
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && (!bFolder || S_ISDIR(st.st_mode));
}

// Runs before libFuzzer reads its flags.
inline void AddFuzzOptions(int* pArgc, char*** pArgv, const char* pszTarget)
{
    static std::vector<std::string> s_args;
    static std::vector<char*> s_argv;
    bool bMerge = false;
    for (int i = 0; i < *pArgc; ++i)
    {
        s_args.push_back((*pArgv)[i]);
        bMerge = bMerge || s_args.back().compare(0, 7, "-merge=") == 0;
    }
    std::string strDict = std::string(VELLORIC_FUZZ_DIR) + "/" + pszTarget + ".dict";
    if (FuzzPathExists(strDict))
        s_args.insert(s_args.begin() + 1, "-dict=" + strDict);
    std::string strSeeds = std::string(VELLORIC_FUZZ_DIR) + "/seeds/" + pszTarget;
    // Only after a corpus folder of the caller's (the first one named is
    // written to), and not when single inputs are run.
    bool bFolderFirst = false;
    for (size_t i = 1; i < s_args.size(); ++i)
        if (!s_args[i].empty() && s_args[i][0] != '-')
        {
            bFolderFirst = FuzzPathExists(s_args[i], true);
            break;
        }
    if (bFolderFirst && !bMerge && FuzzPathExists(strSeeds, true))
        s_args.push_back(strSeeds);
    for (std::string& str : s_args)
        s_argv.push_back(&str[0]);
    s_argv.push_back(nullptr);
    *pArgc = (int)s_args.size();
    *pArgv = s_argv.data();
}

#define VELLORIC_FUZZ_OPTIONS(target)                                                        \
    extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)                           \
    {                                                                                        \
        AddFuzzOptions(pArgc, pArgv, target);                                                \
        return 0;                                                                            \
    }
