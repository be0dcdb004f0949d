// What the fuzz targets need around the routines they drive: the routines
// write to descriptor 1 one character or text per write(), and the targets
// link with --wrap=write so that, while recording, those writes land in a
// buffer here instead of on the terminal.
#ifndef LU_FUZZ_CAPTURE_H
#define LU_FUZZ_CAPTURE_H

#include <cstddef>
#include <string_view>

namespace fuzz
{

// Start recording writes on descriptor 1, forgetting what was recorded.
void record();
// Stop recording; the bytes written on descriptor 1 since record().
std::string_view recorded();
// The number of write() calls on descriptor 1 since record().
std::size_t recorded_writes();

// Report a broken invariant (a printf format and its arguments) and abort,
// which libFuzzer treats as a crash: it saves the input that caused it.
[[noreturn]] __attribute__((format(printf, 1, 2))) void fail(const char *format, ...);

} // namespace fuzz

#endif
