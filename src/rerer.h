// SPDX-License-Identifier: ISC
// RERER: the console face of an archive Create/Update Utility.
#pragma once

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

// Blocks for the given time. The tool's pauses keep to one schedule, so
// they do not drift with their number; tests link a recording stand-in.
void pause_for(long microseconds);
