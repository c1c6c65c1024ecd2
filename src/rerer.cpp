// SPDX-License-Identifier: ISC
#include "rerer.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void banner()
{
    std::printf("\nRERER Create/Update Utility  Version " RERER_VERSION "\n");
    std::printf("Files are announced only, never read: a VUV archive holds one byte.\n");
}

void usage()
{
    banner();
    std::printf("\nUsage:  RERER vokfile [files...]\n");
}

int scale(long r, int n)
{
    // Exact in double for r < 2^31 and n <= 256: the same as (r * n) >> 31.
    return static_cast<int>(static_cast<double>(r) * n / 2147483648.0);
}

static int draw(int n)
{
    return scale(std::rand(), n);
}

int fail(const char *verb, const char *name, int err)
{
    // What was written before the failure comes first when both streams go
    // to one file.
    std::fflush(stdout);
    std::fprintf(stderr, "RERER: cannot %s %s: %s\n", verb, name, std::strerror(err));
    return 2;
}

int encrypt2(const char *file)
{
    std::printf("\tAdding %s: ", file);
    pause_for((draw(pause_steps) + 1) * pause_step);
    std::printf("vizido.\n");
    return 1;
}

// Creates the archive NAME, announces the files of ARGV and writes the
// trailer byte.
static int fill(const char *name, int argc, char **argv)
{
    std::FILE *archive = std::fopen(name, "w");
    if (archive == nullptr)
        return fail("create", name, errno);
    pause_for(first_pause);

    int result = 1;
    for (int i = 2; i < argc; i++)
        if (std::strcmp(argv[i], name) != 0)
            result = encrypt2(argv[i]);

    const int trailer = draw(byte_values) + 1;  // 256 is stored as 0
    int err = std::fputc(trailer, archive) == EOF ? errno : 0;
    if (std::fclose(archive) != 0 && err == 0)
        err = errno;
    return err != 0 ? fail("write", name, err) : result;
}

int parse(int argc, char **argv)
{
    const char *first = argv[1];
    if (first[0] == '*' || first[0] == '?') {
        usage();
        return 1;
    }
    banner();
    char *name = nullptr;  // the first argument, byte for byte, with ".vuv" appended
    if (asprintf(&name, "%s.vuv", first) < 0)
        return fail("allocate", "the archive name", errno);
    std::printf("\nCreating VUV: %s\n", name);
    const int result = fill(name, argc, argv);
    std::free(name);
    return result;
}
