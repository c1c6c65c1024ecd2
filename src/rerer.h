// SPDX-License-Identifier: ISC
// RERER: the console face of an archive Create/Update Utility.
#pragma once

// The schedule of a run: a pause of first_pause once the archive is made,
// then for each file 1 to pause_steps steps of pause_step, as the generator
// draws them; then the archive's byte, one of byte_values.
constexpr long first_pause = 1000000;  // microseconds
constexpr long pause_step = 100000;    // microseconds
constexpr int pause_steps = 5;
constexpr int byte_values = 256;
// A pause that starts later than this after the previous one was due (in
// nanoseconds) starts the schedule again from now.
constexpr long long catch_up = 50000000;

// Writes the two banner lines.
void banner();
// Writes the banner and the usage line.
void usage();
// Announces one file with its pacing pause; always 1.
int encrypt2(const char *file);
// The archive run: 1 when it made its archive, 2 on failure.
int parse(int argc, char **argv);

// Scales a generator value r (0 to 2^31 - 1) to an integer below n.
int scale(long r, int n);
// Flushes standard output, then reports "RERER: cannot VERB NAME: " and the
// text of the error number ERR on standard error; returns 2.
int fail(const char *verb, const char *name, int err);

// Blocks for the given time, keeping to one schedule with the earlier
// pauses, so that they do not drift with their number; tests link a
// recording stand-in.
void pause_for(long microseconds);
// When a pause of the given length that starts at NOW should end, given
// when the previous one was DUE to end (clock readings in nanoseconds).
long long deadline(long long due, long long now, long microseconds);
