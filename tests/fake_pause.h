// SPDX-License-Identifier: ISC
#pragma once
#include <vector>

// A pause the tool asked for, and how many bytes of standard output it had
// written by then (-1 when standard output is not a file).
struct Pause {
    long microseconds;
    long at;
};
extern std::vector<Pause> pauses;
