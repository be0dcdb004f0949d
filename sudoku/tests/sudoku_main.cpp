// The program's entry routine under another name, so that the tests can run
// it in their own process and watch its system calls through the seams.
#define main sudoku_main
#include "main.cpp" // NOLINT(bugprone-suspicious-include): on purpose, see above
