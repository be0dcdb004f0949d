#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "bytedump.h"
#include "lu.h"

namespace
{

std::size_t g_write_calls = 0;

} // namespace

// Every write of the routines under test ends here: counted, not performed.
extern "C" ssize_t __wrap_write(int fd, const void *buffer, std::size_t size)
{
    static_cast<void>(fd);
    benchmark::DoNotOptimize(buffer);
    ++g_write_calls;
    return static_cast<ssize_t>(size);
}

namespace
{

// The number of writes one iteration made, shown beside its time.
void count_writes(benchmark::State &state)
{
    state.counters["writes"] =
        benchmark::Counter(static_cast<double>(g_write_calls), benchmark::Counter::kAvgIterations);
    g_write_calls = 0;
}

void atoi_short(benchmark::State &state)
{
    const char *text = "1000";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(lu_atoi(text));
    }
}
BENCHMARK(atoi_short);

void atoi_long(benchmark::State &state)
{
    const char *text = " \t-2147483648";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(lu_atoi(text));
    }
}
BENCHMARK(atoi_long);

const char hex_digits[] = "0123456789abcdef";
const unsigned char line_bytes[16] = {'H',  'e',  'l', 'l', 'o', ',', ' ', 0x00,
                                      0xff, 0x7f, 'w', 'o', 'r', 'l', 'd', '\n'};

void print_address(benchmark::State &state)
{
    std::uint64_t offset = 0x12340;
    for (auto _ : state) {
        lu_print_address(offset, hex_digits);
        offset += 16;
    }
    count_writes(state);
}
BENCHMARK(print_address);

void print_hex(benchmark::State &state)
{
    const auto count = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(line_bytes);
        lu_print_hex(0, count, line_bytes, hex_digits);
    }
    count_writes(state);
}
BENCHMARK(print_hex)->Arg(16)->Arg(5);

void print_char(benchmark::State &state)
{
    const auto count = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(line_bytes);
        lu_print_char(0, count, line_bytes);
    }
    count_writes(state);
}
BENCHMARK(print_char)->Arg(16)->Arg(5);

} // namespace

BENCHMARK_MAIN();
