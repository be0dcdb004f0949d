#include "lu.h"

// Null until a program's entry routine names itself; every error line starts
// with it.
const char *g_progname = nullptr;
