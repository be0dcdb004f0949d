// Inputs and reference outputs of the benchmarks, made afresh on every run:
// a file of mixed bytes, its canonical listing, its last N bytes and the
// drawings of the rectangle drawers. The listing and the drawings are made
// here independently of the programs, so that comparing a program's output
// with its floor's checks both.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static uint64_t state = 0x9e3779b97f4a7c15u;

static uint32_t next_random(void)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return (uint32_t)(state >> 32);
}

static FILE *open_out(const char *path)
{
    FILE *f = fopen(path, "wb");
    if (f == NULL) {
        perror(path);
        exit(1);
    }
    return f;
}

static void close_out(FILE *f, const char *path)
{
    if (fclose(f) != 0) {
        perror(path);
        exit(1);
    }
}

// Text lines, binary noise, runs of zeros and bytes from the upper half, in
// random turns: every column of a listing sees every kind of byte.
static int make_mixed(long size, const char *path)
{
    FILE *f = open_out(path);
    long written = 0;
    while (written < size) {
        unsigned char chunk[256];
        size_t n = 0;
        switch (next_random() % 4) {
        case 0:
            n = 20 + next_random() % 80;
            for (size_t i = 0; i + 1 < n; ++i) {
                chunk[i] = (unsigned char)(32 + next_random() % 95);
            }
            chunk[n - 1] = '\n';
            break;
        case 1:
            n = 16 + next_random() % 200;
            for (size_t i = 0; i < n; ++i) {
                chunk[i] = (unsigned char)next_random();
            }
            break;
        case 2:
            n = 8 + next_random() % 56;
            memset(chunk, 0, n);
            break;
        default:
            n = 4 + next_random() % 60;
            for (size_t i = 0; i < n; ++i) {
                chunk[i] = (unsigned char)(128 + next_random() % 128);
            }
            break;
        }
        if ((long)n > size - written) {
            n = (size_t)(size - written);
        }
        fwrite(chunk, 1, n, f);
        written += (long)n;
    }
    close_out(f, path);
    return 0;
}

static unsigned char *slurp(const char *path, long *size)
{
    FILE *f = fopen(path, "rb");
    if (f == NULL || fseek(f, 0, SEEK_END) != 0) {
        perror(path);
        exit(1);
    }
    *size = ftell(f);
    rewind(f);
    unsigned char *bytes = malloc((size_t)*size + 1);
    if (bytes == NULL || fread(bytes, 1, (size_t)*size, f) != (size_t)*size) {
        perror(path);
        exit(1);
    }
    fclose(f);
    return bytes;
}

// The canonical listing of one file, as bytedump -C writes it.
static int make_dump(const char *in, const char *path)
{
    long size = 0;
    unsigned char *bytes = slurp(in, &size);
    FILE *f = open_out(path);
    long offset = 0;
    for (long at = 0; at < size; at += 16) {
        long n = size - at < 16 ? size - at : 16;
        fprintf(f, "%08lx  ", offset);
        for (long i = 0; i < 16; ++i) {
            if (i < n) {
                fprintf(f, "%02x ", bytes[at + i]);
            } else {
                fputs("   ", f);
            }
            if (i == 7) {
                fputc(' ', f);
            }
        }
        fputs(" |", f);
        for (long i = 0; i < n; ++i) {
            unsigned char b = bytes[at + i];
            fputc(b >= 32 && b <= 126 ? b : '.', f);
        }
        fputs("|\n", f);
        offset += 16;
    }
    fprintf(f, "%08lx  \n", offset);
    close_out(f, path);
    free(bytes);
    return 0;
}

static int make_tail(long count, const char *in, const char *path)
{
    long size = 0;
    unsigned char *bytes = slurp(in, &size);
    long from = count >= size ? 0 : size - count;
    FILE *f = open_out(path);
    fwrite(bytes + from, 1, (size_t)(size - from), f);
    close_out(f, path);
    free(bytes);
    return 0;
}

// Glyphs in the order top-left, top-right, bottom-left, bottom-right,
// horizontal edge, vertical edge, interior.
static const struct {
    const char *name;
    const char *glyphs;
} glyph_sets[] = {
    {"rows", "AACCBB "}, {"line", "oooo-| "}, {"star", "/\\\\/** "},
    {"diag", "ACCABB "}, {"cols", "ACACBB "},
};

static int make_rect(const char *set, long width, long height, const char *path)
{
    const char *g = NULL;
    for (size_t i = 0; i < sizeof glyph_sets / sizeof glyph_sets[0]; ++i) {
        if (strcmp(glyph_sets[i].name, set) == 0) {
            g = glyph_sets[i].glyphs;
        }
    }
    if (g == NULL) {
        fprintf(stderr, "bench_data: no glyph set %s\n", set);
        return 1;
    }
    FILE *f = open_out(path);
    for (long row = 1; row <= height; ++row) {
        for (long col = 1; col <= width; ++col) {
            char c = g[6];
            if (row == 1 && col == 1) {
                c = g[0];
            } else if (row == 1 && col == width) {
                c = g[1];
            } else if (row == height && col == 1) {
                c = g[2];
            } else if (row == height && col == width) {
                c = g[3];
            } else if (row == 1 || row == height) {
                c = g[4];
            } else if (col == 1 || col == width) {
                c = g[5];
            }
            fputc(c, f);
        }
        fputc('\n', f);
    }
    close_out(f, path);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 4 && strcmp(argv[1], "mixed") == 0) {
        return make_mixed(atol(argv[2]), argv[3]);
    }
    if (argc == 4 && strcmp(argv[1], "dump") == 0) {
        return make_dump(argv[2], argv[3]);
    }
    if (argc == 5 && strcmp(argv[1], "tail") == 0) {
        return make_tail(atol(argv[2]), argv[3], argv[4]);
    }
    if (argc == 6 && strcmp(argv[1], "rect") == 0) {
        return make_rect(argv[2], atol(argv[3]), atol(argv[4]), argv[5]);
    }
    fputs("usage: bench_data mixed SIZE OUT | dump IN OUT | tail N IN OUT"
          " | rect SET W H OUT\n",
          stderr);
    return 2;
}
