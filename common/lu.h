// The common routines of the suite: output, text and number helpers, error
// lines and the file probe. Every program links them; all output goes to
// descriptor 1, unbuffered: one write per character, one per text.
#ifndef LU_H
#define LU_H

#include <cstdint>

// Output.
void lu_putchar(char c);
void lu_putstr(const char *s);

// Texts and numbers.
std::int32_t lu_strlen(const char *s);
std::int32_t lu_atoi(const char *s);
std::int32_t lu_check_base(const char *s);

// Error lines and the file probe.
extern const char *g_progname;
const char *lu_get_strerr(std::int32_t errnum);
void lu_display_custom_error(std::int32_t errnum, const char *name);
std::int32_t lu_check_file(const char *path);

#endif
