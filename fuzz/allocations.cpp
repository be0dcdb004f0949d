#include "allocations.h"

#include <cstdlib>

#include "capture.h"

extern "C" void *__real_malloc(std::size_t n);

namespace fuzz
{
namespace
{

constexpr std::size_t capacity = 64;

bool g_tracking = false;
void *g_blocks[capacity];
std::size_t g_sizes[capacity];
std::size_t g_count = 0;
std::size_t g_mark = 0; // where the latest tracking began

} // namespace

void track_allocations()
{
    g_mark = g_count;
    g_tracking = true;
}

std::size_t tracked_allocations()
{
    g_tracking = false;
    return g_count - g_mark;
}

std::size_t tracked_size(std::size_t nth)
{
    return g_mark + nth < g_count ? g_sizes[g_mark + nth] : 0;
}

void free_tracked()
{
    for (std::size_t i = 0; i < g_count; ++i) {
        std::free(g_blocks[i]);
    }
    g_count = 0;
    g_mark = 0;
}

} // namespace fuzz

extern "C" void *__wrap_malloc(std::size_t n)
{
    using namespace fuzz;
    void *block = __real_malloc(n);
    if (g_tracking && block != nullptr) {
        if (g_count == capacity) {
            fail("more than %zu allocations", capacity);
        }
        g_blocks[g_count] = block;
        g_sizes[g_count] = n;
        ++g_count;
    }
    return block;
}
