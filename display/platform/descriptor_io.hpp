// Reads and writes on the standard descriptors. The going on after partial
// writes and interruptions is written here once; the one system call of
// each kind is the platform's (descriptor_io_<system>.cpp).
#pragma once

#include <cstddef>

namespace trot {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

// Writes all `size` bytes, going on after partial writes and interruptions.
// Gives 0, or the error number of the write that failed.
int writeAll(int descriptor, const char* bytes, std::size_t size);

// Reads up to `size` bytes into `bytes`, retrying after interruptions. Gives
// the count read (0 at the end), or -1 with the error number in `error`.
long readSome(int descriptor, char* bytes, std::size_t size, int& error);

// The size of the regular file open on `descriptor`; 0 for anything else.
std::size_t regularFileSize(int descriptor);

// One system write or read, as the platform does it: the count, or -1 with
// the reason in errno.
long writeOnce(int descriptor, const char* bytes, std::size_t size);
long readOnce(int descriptor, char* bytes, std::size_t size);

}  // namespace trot
