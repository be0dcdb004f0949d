#include "capture.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

extern "C" ssize_t __real_write(int fd, const void *buf, size_t n);

namespace fuzz
{
namespace
{

// Large enough for every output the targets ask for; a longer one is a
// failure of its own, never silently cut.
constexpr std::size_t capacity = 1 << 20;

bool g_recording = false;
char g_bytes[capacity];
std::size_t g_size = 0;
std::size_t g_writes = 0;

} // namespace

void record()
{
    g_recording = true;
    g_size = 0;
    g_writes = 0;
}

std::string_view recorded()
{
    g_recording = false;
    return {g_bytes, g_size};
}

std::size_t recorded_writes()
{
    return g_writes;
}

void fail(const char *format, ...)
{
    g_recording = false;
    std::fputs("invariant broken: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace fuzz

// Everything that is not a recorded write on descriptor 1 (libFuzzer's own
// output above all) goes through untouched.
extern "C" ssize_t __wrap_write(int fd, const void *buf, size_t n)
{
    using namespace fuzz;
    if (!g_recording || fd != 1) {
        return __real_write(fd, buf, n);
    }
    ++g_writes;
    if (n > capacity - g_size) {
        fail("more than %zu bytes written", capacity);
    }
    const auto *bytes = static_cast<const char *>(buf);
    for (std::size_t i = 0; i < n; ++i) {
        g_bytes[g_size + i] = bytes[i];
    }
    g_size += n;
    return static_cast<ssize_t>(n);
}
