// SPDX-License-Identifier: ISC
#include "fake_pause.h"

#include "rerer.h"

#include <cstdio>

std::vector<Pause> pauses;

void pause_for(long microseconds)
{
    pauses.push_back({microseconds, std::ftell(stdout)});
}
