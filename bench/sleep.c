// SPDX-License-Identifier: ISC
/*
 * The floor of RERER's pacing: a C program that does nothing but sleep the
 * given number of microseconds, in one call.
 */
#include <stdlib.h>
#include <time.h>

int main(int argc, char **argv)
{
    const long long microseconds = argc > 1 ? strtoll(argv[1], NULL, 10) : 0;
    const struct timespec t = {microseconds / 1000000, microseconds % 1000000 * 1000};
    return nanosleep(&t, NULL) == 0 ? 1 : 2;
}
