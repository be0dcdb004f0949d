// The allocations a routine makes, for the fuzz targets that check them: the
// target links with --wrap=malloc, and while tracking, every malloc() is
// counted and remembered so that the target can release what the routine
// keeps for the life of the process.
#ifndef LU_FUZZ_ALLOCATIONS_H
#define LU_FUZZ_ALLOCATIONS_H

#include <cstddef>

namespace fuzz
{

// Start counting allocations anew; those remembered before stay remembered.
void track_allocations();
// Stop; the number of allocations made since track_allocations() and the
// size asked for by the nth of them (from 0).
std::size_t tracked_allocations();
std::size_t tracked_size(std::size_t nth);
// Free every allocation remembered since the last free_tracked().
void free_tracked();

} // namespace fuzz

#endif
