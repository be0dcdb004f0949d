// bytedump: the canonical listing of the files named after -C.
#ifndef BYTEDUMP_H
#define BYTEDUMP_H

#include <cstdint>

void lu_hexdump(std::int32_t argc, char **argv);

// The three columns of one listing line.
void lu_print_address(std::uint64_t offset, const char *digits);
void lu_print_hex(std::int32_t start, std::uint32_t count, const unsigned char *bytes,
                  const char *digits);
void lu_print_char(std::int32_t start, std::uint32_t count, const unsigned char *bytes);

#endif
