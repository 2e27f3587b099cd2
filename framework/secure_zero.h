// Overwriting a secret before its memory is released or reused: a plain
// clear() or free() leaves the bytes behind in the heap.
#pragma once

#include <cstddef>
#include <string>

// Zeroes cb bytes at p in a way the compiler cannot drop as a dead store.
void SecureZeroBytes(void* p, size_t cb);
// Zeroes the text's bytes, then empties it.
void SecureZeroString(std::string& str);
