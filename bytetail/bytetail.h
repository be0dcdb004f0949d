// bytetail: the last N bytes of each file named after -c N, or of standard
// input when no file is named.
#ifndef BYTETAIL_H
#define BYTETAIL_H

#include <cstdint>

// The driver: checks the arguments, names the program and walks the files.
void lu_tail(std::int32_t argc, char **argv);

// The tail of the file named by argv[position], read through fd, which the
// caller opened on it, keeps open and closes afterwards.
void lu_display_file(std::int32_t position, std::int32_t fd, std::int32_t argc, char **argv);

// The number of bytes that can be read from the file, counted one by one
// through an opening of its own. Sizes are 64 bits wide, so files of 2 GiB
// and more are counted right.
std::int64_t lu_size_file(const char *path);

// The "==> name <==" line that stands before each file when several are named.
void lu_print_name(std::int32_t position, std::int32_t argc, const char *name);

// Standard input copied to standard output, byte by byte.
void lu_stdin();

#endif
