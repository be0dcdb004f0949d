// Bytes of a file built into the executable: the floors write output that
// was made before the build, so that they spend nothing on making it.
#ifndef INCBIN_H
#define INCBIN_H

#define INCBIN(name, path)                                                                         \
    __asm__(".section .rodata\n"                                                                   \
            ".balign 16\n"                                                                         \
            ".hidden " #name "\n"                                                                  \
            ".hidden " #name "_end\n"                                                              \
            ".global " #name "\n"                                                                  \
            ".global " #name "_end\n" #name ":\n"                                                  \
            ".incbin \"" path "\"\n" #name "_end:\n"                                               \
            ".previous\n");                                                                        \
    extern const char name[];                                                                      \
    extern const char name##_end[]

#endif
