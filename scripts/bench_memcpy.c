/* The memory-copy limit for the encoder comparison: reads a whole file into memory, then
 * copies it to a second buffer of the same size several times and prints the fastest copy
 * as bytes per second (one number on standard output). Neither the disk nor page faults
 * are timed: both buffers are filled before the first copy.
 *   bench_memcpy FILE [COPIES]
 * Built by bench_compare.py with the host's gcc -O2; not part of the project's build. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: bench_memcpy FILE [COPIES]\n");
        return 2;
    }
    const int copies = argc > 2 ? atoi(argv[2]) : 5;
    FILE* f = fopen(argv[1], "rb");
    if (f == NULL || fseek(f, 0, SEEK_END) != 0) {
        perror(argv[1]);
        return 1;
    }
    const long size = ftell(f);
    rewind(f);
    unsigned char* from = malloc(size > 0 ? (size_t)size : 1);
    unsigned char* to = malloc(size > 0 ? (size_t)size : 1);
    if (from == NULL || to == NULL || size <= 0 || fread(from, 1, (size_t)size, f) != (size_t)size) {
        fprintf(stderr, "bench_memcpy: cannot read %s\n", argv[1]);
        return 1;
    }
    fclose(f);
    memset(to, 0, (size_t)size);

    double best = 0;
    unsigned sum = 0;
    for (int i = 0; i < copies; ++i) {
        const double start = Now();
        memcpy(to, from, (size_t)size);
        const double elapsed = Now() - start;
        /* Reading the copy keeps the compiler from dropping it. */
        sum += to[(size_t)i * 4099 % (size_t)size];
        if (best == 0 || elapsed < best) best = elapsed;
    }
    printf("%.0f\n", (double)size / best);
    fprintf(stderr, "checksum %u\n", sum);
    free(from);
    free(to);
    return 0;
}
