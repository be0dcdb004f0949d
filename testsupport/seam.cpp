// The wrappers behind --wrap: each forwards to the real call unless the
// seams are armed and a failure is due.
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "support.h"

extern "C" {
ssize_t __real_write(int fd, const void *buf, size_t n);
ssize_t __real_read(int fd, void *buf, size_t n);
int __real_open(const char *path, int flags, ...);
int __real_close(int fd);
void *__real_malloc(size_t n);
}

namespace seam
{
namespace
{

constexpr std::size_t kinds = static_cast<std::size_t>(Call::count_);

struct Failure {
    std::size_t nth = 0; // 0: never
    int err = 0;
    bool always = false;
};

bool g_armed = false;
bool g_recording = true;
std::vector<Record> g_log;
std::size_t g_calls[kinds] = {};
Failure g_failures[kinds] = {};

std::size_t index(Call call)
{
    return static_cast<std::size_t>(call);
}

// Counts the call and tells whether it must fail; sets errno when it must.
bool due(Call call)
{
    const std::size_t n = ++g_calls[index(call)];
    const Failure &f = g_failures[index(call)];
    if (f.nth == 0 || n < f.nth || (n > f.nth && !f.always)) {
        return false;
    }
    errno = f.err;
    return true;
}

// Records one call unless recording is off; the record is built only when it
// is kept, so runs of billions of calls cost no more than the counting.
void note(Call call, int fd, std::size_t size, long result, const char *text = "")
{
    if (g_recording) {
        g_log.push_back({call, fd, size, result, text});
    }
}

} // namespace

const std::vector<Record> &log()
{
    return g_log;
}

std::size_t count(Call call)
{
    return g_calls[index(call)];
}

std::size_t count(Call call, int fd)
{
    std::size_t n = 0;
    for (const Record &r : g_log) {
        n += (r.call == call && r.fd == fd) ? 1U : 0U;
    }
    return n;
}

void fail(Call call, std::size_t nth, int err, bool always)
{
    g_failures[index(call)] = Failure{nth, err, always};
}

void record(bool on)
{
    g_recording = on;
}

void clear_log()
{
    g_log.clear();
    for (std::size_t &n : g_calls) {
        n = 0;
    }
}

void reset()
{
    clear_log();
    for (Failure &f : g_failures) {
        f = Failure{};
    }
    g_recording = true;
}

void armed(const std::function<void()> &fn)
{
    g_armed = true;
    fn();
    g_armed = false;
}

} // namespace seam

using seam::Call;

extern "C" {

ssize_t __wrap_write(int fd, const void *buf, size_t n)
{
    if (!seam::g_armed) {
        return __real_write(fd, buf, n);
    }
    const ssize_t result = seam::due(Call::write) ? -1 : __real_write(fd, buf, n);
    seam::note(Call::write, fd, n, result);
    return result;
}

ssize_t __wrap_read(int fd, void *buf, size_t n)
{
    if (!seam::g_armed) {
        return __real_read(fd, buf, n);
    }
    const ssize_t result = seam::due(Call::read) ? -1 : __real_read(fd, buf, n);
    seam::note(Call::read, fd, n, result);
    return result;
}

int __wrap_open(const char *path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0) {
        va_list args;
        va_start(args, flags);
        mode = static_cast<mode_t>(va_arg(args, unsigned));
        va_end(args);
    }
    if (!seam::g_armed) {
        return __real_open(path, flags, mode);
    }
    const int result = seam::due(Call::open) ? -1 : __real_open(path, flags, mode);
    seam::note(Call::open, result, 0, result, path);
    return result;
}

// A close that is made to fail still closes the descriptor, so that the
// tests leak nothing; the caller sees only the failure.
int __wrap_close(int fd)
{
    if (!seam::g_armed) {
        return __real_close(fd);
    }
    const bool failing = seam::due(Call::close);
    const int saved = errno;
    int result = __real_close(fd);
    if (failing) {
        errno = saved;
        result = -1;
    }
    seam::note(Call::close, fd, 0, result);
    return result;
}

void *__wrap_malloc(size_t n)
{
    if (!seam::g_armed) {
        return __real_malloc(n);
    }
    void *result = seam::due(Call::malloc) ? nullptr : __real_malloc(n);
    seam::note(Call::malloc, -1, n, result == nullptr ? 0 : 1);
    return result;
}

} // extern "C"
