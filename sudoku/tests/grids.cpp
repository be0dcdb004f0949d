#include "grids.h"

#include <algorithm>

#include "sudoku.h"

#if defined(__SANITIZE_ADDRESS__)
#define LU_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LU_LSAN 1
#endif
#endif
#ifdef LU_LSAN
#include <sanitizer/lsan_interface.h>
#endif

Board::Board()
{
    for (std::int32_t r = 0; r < 9; ++r) {
        rows[r] = cells[r];
    }
}

Board::Board(const std::string &text) : Board()
{
    for (std::size_t i = 0; i < 81 && i < text.size(); ++i) {
        const char c = text[i];
        cells[i / 9][i % 9] = (c >= '1' && c <= '9') ? c - '0' : 0;
    }
}

Board::Board(const Board &other) : Board()
{
    *this = other;
}

Board &Board::operator=(const Board &other)
{
    if (this == &other) {
        return *this;
    }
    for (std::int32_t r = 0; r < 9; ++r) {
        for (std::int32_t c = 0; c < 9; ++c) {
            cells[r][c] = other.cells[r][c];
        }
    }
    return *this;
}

std::string Board::text() const
{
    return tab_text(rows);
}

std::string tab_text(const std::int32_t *const *tab)
{
    std::string s;
    for (std::int32_t r = 0; r < 9; ++r) {
        for (std::int32_t c = 0; c < 9; ++c) {
            s.push_back(tab[r][c] == 0 ? '.' : static_cast<char>('0' + tab[r][c]));
        }
    }
    return s;
}

std::vector<std::string> row_args(const std::string &text)
{
    std::vector<std::string> rows;
    for (std::size_t r = 0; r < 9; ++r) {
        rows.push_back(text.substr(r * 9, 9));
    }
    return rows;
}

Argv::Argv(std::vector<std::string> args) : texts(std::move(args))
{
    for (std::string &t : texts) {
        ptrs.push_back(t.data());
    }
    ptrs.push_back(nullptr);
}

KeptAllocations::KeptAllocations()
{
#ifdef LU_LSAN
    __lsan_disable();
#endif
}

KeptAllocations::~KeptAllocations()
{
#ifdef LU_LSAN
    __lsan_enable();
#endif
}

std::int32_t **read_tab(char **argv)
{
    const KeptAllocations kept;
    return create_tab(argv);
}

namespace
{

struct Plain {
    Board &work;
    Board &sol;
    std::int32_t count = 0;
    long budget;
};

std::int32_t walk(Plain &p, std::int32_t n)
{
    if (n == 81) {
        if (p.count == 0) {
            p.sol = p.work;
        }
        return ++p.count == 2 ? 1 : 0;
    }
    const std::int32_t row = n / 9;
    const std::int32_t col = n % 9;
    std::int32_t **tab = p.work.tab();
    if (tab[row][col] != 0) {
        return walk(p, n + 1);
    }
    for (std::int32_t v = 1; v <= 9; ++v) {
        if (--p.budget < 0) {
            return 1;
        }
        if (test(tab, row, col, v) == 1) {
            tab[row][col] = v;
            if (walk(p, n + 1) == 1) {
                return 1;
            }
        }
    }
    tab[row][col] = 0;
    return 0;
}

bool fill(Board &b, std::mt19937 &rng, std::int32_t n)
{
    if (n == 81) {
        return true;
    }
    std::int32_t digits[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::shuffle(digits, digits + 9, rng);
    for (const std::int32_t v : digits) {
        if (test(b.tab(), n / 9, n % 9, v) == 1) {
            b.cells[n / 9][n % 9] = v;
            if (fill(b, rng, n + 1)) {
                return true;
            }
        }
    }
    b.cells[n / 9][n % 9] = 0;
    return false;
}

} // namespace

PlainResult plain_search(Board &work, Board &sol, long budget)
{
    Plain p{work, sol, 0, budget};
    PlainResult r;
    r.stopped = walk(p, 0);
    r.count = p.count;
    r.finished = p.budget >= 0;
    return r;
}

Board random_solution(std::mt19937 &rng)
{
    Board b;
    fill(b, rng, 0);
    return b;
}
