// SPDX-License-Identifier: ISC
#include "rerer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    // With standard output closed, the archive would take its descriptor and
    // the buffered messages would end up inside the archive.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1)
        return fail("write", "standard output", errno);
    int status = 1;
    if (argc < 2)
        usage();
    else
        status = parse(argc, argv);
    // A write that failed during the run leaves the error flag set and errno
    // as it set it, even when this flush has nothing left to write.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        status = fail("write", "standard output", errno);
    return status;
}
