#include "rerer.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

// Standard output must be open, or the archive would take its descriptor and
// the buffered messages would land in it. A closed standard input or error
// gets /dev/null, so that nothing but the trailer byte ever reaches the archive.
static bool standard_streams_open()
{
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1)
        return false;
    int fd;
    do
        fd = open("/dev/null", O_RDWR);
    while (fd >= 0 && fd <= STDERR_FILENO);
    if (fd > STDERR_FILENO)
        close(fd);
    return true;
}

int main(int argc, char **argv)
{
    if (!standard_streams_open())
        return fail("write", "standard output", "");
    int status = 1;
    if (argc < 2)
        usage();
    else
        status = parse(argc, argv);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        status = fail("write", "standard output", "");
    return status;
}
