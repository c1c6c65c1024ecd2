// SPDX-License-Identifier: ISC
/*
 * Prints, in microseconds, how long a RERER run that announces N files is
 * designed to last: one second, then each file's pause of 0.1 to 0.5 seconds
 * as the unseeded generator gives them.
 */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
    long files = argc > 1 ? strtol(argv[1], NULL, 10) : 0;
    long microseconds = 1000000;
    for (long i = 0; i < files; i++)
        microseconds += ((long)(rand() * 5.0 / 2147483648.0) + 1) * 100000;
    printf("%ld\n", microseconds);
    return 0;
}
