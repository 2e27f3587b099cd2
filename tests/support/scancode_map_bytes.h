// "Scancode Map" value images written out byte by byte, so tests hold the
// codec and the store against their own picture of the format: version,
// flags and count as DWORDs, then one DWORD per entry with the produced code
// in the low word and the physical code in the high word, all little-endian.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform_types.h"

class CRemapPair;
class CScancodeMapStore;

// (physical, produced) pairs in the order a test means them.
typedef std::vector<std::pair<WORD, WORD>> PairList;

void AppendDword(std::vector<BYTE>& bytes, DWORD dw);

// Version and flags 0, then dwCount and the words exactly as given: no
// terminator is added, so the count and the data may disagree on purpose.
std::vector<BYTE> ScancodeMapValue(DWORD dwCount, std::initializer_list<DWORD> words);

// A well-formed value holding the pairs in the order given: count one more
// than the pairs, then the pairs, then the null terminator.
std::vector<BYTE> ScancodeMapBytes(const PairList& pairs);

// The largest value the store takes whole, 4096 bytes: physical codes 1 to
// 1020, each producing 0x1D.
std::vector<BYTE> FullScancodeMapValue();

// Appends "PHYS:PROD" in four-digit hex, after a space unless str is empty.
void AppendPairText(std::string& str, const CRemapPair& pair);

// The store's list as a walk gives it: "E038:001D 003A:001D".
std::string WalkText(CScancodeMapStore& store);
