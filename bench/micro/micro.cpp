#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "bytedump.h"
#include "lu.h"
#ifdef LU_MICRO_SUDOKU
#include "sudoku.h"
#endif
#ifdef LU_MICRO_RECT
#include "rect.h"
#endif

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

#ifdef LU_MICRO_SUDOKU

// A grid on the stack, shaped like the program's: nine row pointers.
struct Grid {
    std::int32_t cells[9][9];
    std::int32_t *rows[9];
};

void load(Grid &g, const char *text)
{
    for (std::int32_t i = 0; i < 81; ++i) {
        const char c = text[i];
        g.cells[i / 9][i % 9] = c >= '1' && c <= '9' ? c - '0' : 0;
    }
    for (std::int32_t r = 0; r < 9; ++r) {
        g.rows[r] = g.cells[r];
    }
}

// The benchmark's typical puzzle (30 givens), and hard19-1 of the program's
// puzzle table (19 givens, minutes for the plain search).
const char typical_puzzle[] = "2....3...5...1.3.6376.4...8...4......24...9..63.7..82."
                              ".6....4857..5.4.6.......7.3";
const char hard_puzzle[] = "4.2....81................3...51.....6.8......"
                           ".....94.7...8.3.6..5.2.....7.......5";

// Every value in every cell of a half-filled grid: the whole range of early
// and late refusals.
void sudoku_test(benchmark::State &state)
{
    Grid g{};
    load(g, typical_puzzle);
    for (auto _ : state) {
        std::int32_t allowed = 0;
        for (std::int32_t n = 0; n < 81; ++n) {
            for (std::int32_t v = 1; v <= 9; ++v) {
                allowed += test(g.rows, n / 9, n % 9, v);
            }
        }
        benchmark::DoNotOptimize(allowed);
    }
    state.counters["tests"] = 729;
}
BENCHMARK(sudoku_test);

// A whole search; after it the working grid is as it was read, so the next
// iteration starts from the same puzzle.
void solve(benchmark::State &state, const char *puzzle)
{
    Grid work{};
    Grid sol{};
    load(work, puzzle);
    load(sol, puzzle);
    for (auto _ : state) {
        std::int32_t count = 0;
        solve_sudoku(work.rows, sol.rows, count, 0);
        if (count != 1) {
            state.SkipWithError("not one solution");
            break;
        }
    }
}
BENCHMARK_CAPTURE(solve, typical, typical_puzzle)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(solve, hard19_1, hard_puzzle)->Unit(benchmark::kMicrosecond);

#endif

#ifdef LU_MICRO_RECT

// The glyph of every cell of a 1000 x 1000 rectangle, the writes counted.
void rect_display(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::int32_t row = 1; row <= 1000; ++row) {
            for (std::int32_t column = 1; column <= 1000; ++column) {
                display(1000, 1000, column, row);
            }
        }
    }
    count_writes(state);
}
BENCHMARK(rect_display)->Unit(benchmark::kMillisecond);

#endif

} // namespace

BENCHMARK_MAIN();
