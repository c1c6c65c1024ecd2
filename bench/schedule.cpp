// SPDX-License-Identifier: ISC
// Prints, in microseconds, how long a RERER run that announces N files is
// designed to last: the first pause, then each file's pause as the unseeded
// generator draws it.
#include "rerer.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const long files = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    long microseconds = first_pause;
    for (long i = 0; i < files; i++)
        microseconds += (scale(std::rand(), pause_steps) + 1) * pause_step;
    std::printf("%ld\n", microseconds);
}
