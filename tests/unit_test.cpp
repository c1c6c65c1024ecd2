// SPDX-License-Identifier: ISC
#include "fake_pause.h"
#include "rerer.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

TEST(Scale, EndsOfTheGeneratorRange)
{
    EXPECT_EQ(scale(0, 5), 0);
    EXPECT_EQ(scale(0, 256), 0);
    EXPECT_EQ(scale(2147483647, 5), 4);
    EXPECT_EQ(scale(2147483647, 256), 255);
}

TEST(Scale, MatchesTheIntegerShift)
{
    for (long r = 0; r < 2147483648L; r += 16777259)
        for (int n : {5, 256})
            ASSERT_EQ(scale(r, n), static_cast<int>((r * n) >> 31)) << r << " " << n;
}

// Runs parse in a fresh folder, as an unseeded process would, with standard
// output going to a file so that each pause can be placed within it.
struct Parse : testing::Test {
    TestDir dir;
    std::string out;
    int status = 0;

    int run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "RERER");
        auto argv = pointers(args);

        std::srand(1);
        pauses.clear();
        const auto cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir.path);
        std::fflush(stdout);
        const int saved = dup(STDOUT_FILENO);
        const int fd = open("stdout", O_RDWR | O_CREAT | O_TRUNC, 0600);
        dup2(fd, STDOUT_FILENO);
        close(fd);
        status = parse(static_cast<int>(args.size()), argv.data());
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        std::filesystem::current_path(cwd);
        out = dir.read("stdout");
        std::filesystem::remove(dir.path / "stdout");
        return status;
    }
};

TEST_F(Parse, MessagesAndPausesInOrder)
{
    EXPECT_EQ(run({"backup", "notes.txt", "plan.txt"}), 1);
    const std::string head = creating("backup.vuv");
    EXPECT_EQ(out, head + "\tAdding notes.txt: vizido.\n\tAdding plan.txt: vizido.\n");
    ASSERT_EQ(pauses.size(), 3U);
    // The second comes after the "Creating" line, each file's pause between its two halves.
    EXPECT_EQ(pauses[0].microseconds, 1000000);
    EXPECT_EQ(pauses[0].at, static_cast<long>(head.size()));
    EXPECT_EQ(pauses[1].at, static_cast<long>((head + "\tAdding notes.txt: ").size()));
    EXPECT_EQ(pauses[2].at, static_cast<long>((head + "\tAdding notes.txt: vizido.\n\tAdding plan.txt: ").size()));
    EXPECT_EQ(dir.read("backup.vuv"), "\xc9");
}

TEST_F(Parse, ByteAndPausesDependOnTheNumberOfFilesOnly)
{
    const std::vector<std::pair<std::vector<std::string>, std::vector<long>>> cases = {
        {{"backup"}, {1000000}},
        {{"backup", "a"}, {1000000, 500000}},
        {{"backup", "a", "b"}, {1000000, 500000, 200000}},
        {{"backup", "x", "y", "z"}, {1000000, 500000, 200000, 400000}},
    };
    const std::string bytes = "\xd8\x65\xc9\xcd";  // 216, 101, 201, 205
    for (std::size_t i = 0; i < cases.size(); i++) {
        EXPECT_EQ(run(cases[i].first), 1);
        std::vector<long> lengths;
        lengths.reserve(pauses.size());
        for (auto p : pauses)
            lengths.push_back(p.microseconds);
        EXPECT_EQ(lengths, cases[i].second) << i << " files";
        EXPECT_EQ(dir.read("backup.vuv"), bytes.substr(i, 1)) << i << " files";
    }
}

TEST_F(Parse, OnlyTheExactArchiveNameIsPassedOver)
{
    run({"backup", "backup.vuv", "notes"});
    EXPECT_EQ(out, creating("backup.vuv") + "\tAdding notes: vizido.\n");
    EXPECT_EQ(dir.read("backup.vuv"), "\x65");
    EXPECT_EQ(pauses.size(), 2U);

    EXPECT_EQ(run({"backup", "backup.vuv"}), 1);
    EXPECT_EQ(out, creating("backup.vuv"));
    EXPECT_EQ(dir.read("backup.vuv"), "\xd8");

    for (const char *other : {"./backup.vuv", "backup", "Backup.vuv", "backup.vuv "}) {
        run({"backup", other});
        EXPECT_EQ(out, creating("backup.vuv") + "\tAdding " + other + ": vizido.\n") << other;
    }
    run({"backup", "notes", "notes"});
    EXPECT_EQ(out, creating("backup.vuv") + "\tAdding notes: vizido.\n\tAdding notes: vizido.\n");
    EXPECT_EQ(dir.read("backup.vuv"), "\xc9");
}

TEST_F(Parse, HelpTriggerIsTheFirstCharacterOnly)
{
    for (const char *first : {"?", "*", "*.txt", "?x"}) {
        EXPECT_EQ(run({first, "notes"}), 1);
        EXPECT_EQ(out, usage_text) << first;
        EXPECT_TRUE(pauses.empty());
        EXPECT_EQ(dir.entries(), 0U);
        EXPECT_EQ(std::rand(), 1804289383) << "the usage path draws nothing";
    }
    EXPECT_EQ(run({"a?b"}), 1);
    EXPECT_EQ(out, creating("a?b.vuv"));
    EXPECT_EQ(dir.read("a?b.vuv").size(), 1U);
}

TEST_F(Parse, NameIsTakenByteForByte)
{
    for (const char *first : {"", "backup.vuv", "-h", "%n%s", "\xff\xfe"}) {
        run({first});
        const std::string name = std::string(first) + ".vuv";
        EXPECT_EQ(out, creating(name));
        EXPECT_EQ(dir.read(name), "\xd8") << first;
        std::filesystem::remove(dir.path / name);
    }
}

TEST_F(Parse, ExistingArchiveIsTruncatedToOneByte)
{
    std::ofstream(dir.path / "backup.vuv") << std::string(100000, 'x');
    run({"backup"});
    EXPECT_EQ(dir.read("backup.vuv"), "\xd8");
}

TEST_F(Parse, ArchiveThatCannotBeCreatedStopsTheRun)
{
    EXPECT_EQ(run({"missing/backup", "notes"}), 2);
    EXPECT_EQ(out, creating("missing/backup.vuv"));
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(std::rand(), 1804289383) << "a failed run draws nothing";
}
