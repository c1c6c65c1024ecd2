// SPDX-License-Identifier: ISC
// End-to-end: the built binary in a fresh folder, with exact standard output,
// standard error, exit status and what is left on disk.
#include "spawn.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

TEST(Binary, UsagePaths)
{
    TestDir dir;
    for (const auto &args : std::vector<std::vector<std::string>>{{}, {"?"}, {"?", "a", "b"}, {"*"}, {"*.c", "x"}}) {
        const Result r = run(dir, fast_bin, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, usage_text);
        EXPECT_EQ(r.err, "");
    }
    // An empty argument vector, as a launching program may pass it.
    const Result r = spawn(dir, {fast_bin, {}});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, usage_text);
    EXPECT_EQ(dir.entries(), 0U);
}

TEST(Binary, ArchiveRuns)
{
    struct Case {
        std::vector<std::string> args;
        std::string archive, out;
        char byte;
    };
    const std::vector<Case> cases = {
        {{"backup", "backup.vuv", "notes"}, "backup.vuv", creating("backup.vuv") + "\tAdding notes: vizido.\n", '\x65'},
        {{"backup", "./backup.vuv"}, "backup.vuv", creating("backup.vuv") + "\tAdding ./backup.vuv: vizido.\n", '\x65'},
        {{"-h"}, "-h.vuv", creating("-h.vuv"), '\xd8'},
        {{"", "", "%n%s"}, ".vuv", creating(".vuv") + "\tAdding : vizido.\n\tAdding %n%s: vizido.\n", '\xc9'},
        {{"\xff\xfe", "\x80"}, "\xff\xfe.vuv", creating("\xff\xfe.vuv") + "\tAdding \x80: vizido.\n", '\x65'},
        {{"backup", "nosuchfile", "/"},
         "backup.vuv",
         creating("backup.vuv") + "\tAdding nosuchfile: vizido.\n\tAdding /: vizido.\n",
         '\xc9'},
    };
    for (const auto &c : cases) {
        TestDir dir;
        const Result r = run(dir, fast_bin, c.args);
        EXPECT_EQ(r.status, 1) << c.archive;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(dir.listing(), (std::map<std::string, std::string>{{c.archive, std::string(1, c.byte)}}));
    }
}

TEST(Binary, HugeArguments)
{
    TestDir dir;
    std::vector<std::string> args = {"backup"};
    std::string expected = creating("backup.vuv");
    for (char c = 1; c < 9; c++) {
        args.push_back(std::string(65536, static_cast<char>(c * 31)));
        expected += "\tAdding " + args.back() + ": vizido.\n";
    }
    args.insert(args.end(), 10000, "backup.vuv");
    const Result r = run(dir, fast_bin, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out == expected);
    EXPECT_EQ(dir.read("backup.vuv").size(), 1U);
}

TEST(Binary, Faults)
{
    using Files = std::map<std::string, std::string>;
    const std::string too_long(300, 'n');
    std::string deep;  // a path of about 3,000 bytes whose components all fit
    for (int i = 0; i < 14; i++)
        deep += std::string(200, static_cast<char>('a' + i)) + "/";
    Files deep_left;
    for (std::size_t end = deep.find('/'); end != std::string::npos; end = deep.find('/', end + 1))
        deep_left[deep.substr(0, end)] = "/";
    deep_left[deep + "x.vuv"] = "\xd8";

    // One file of 8,200 bytes of output: the first 4,096 are written, the
    // next block fails against the size limit, and nothing is left to flush.
    const std::string head = creating("backup.vuv") + "\tAdding ";
    const std::string block(8192 - head.size() - 2, 'f');

    const std::string no_entry = "RERER: cannot create missing/x.vuv: No such file or directory\n";
    const std::string no_space = "RERER: cannot write standard output: No space left on device\n";
    const std::string closed = "RERER: cannot write standard output: Bad file descriptor\n";
    const std::string one_file = creating("backup.vuv") + "\tAdding a: vizido.\n";
    struct Case {  // rows name only the fields they set
        std::string what;
        std::function<void(const TestDir &)> setup{};
        std::vector<std::string> args;
        std::string before{}, redirect{};  // shell commands and redirections
        int status;
        std::string out{}, err{};
        Files left{};
        bool as_nobody = false;
    };
    const auto link = [](const char *target) {
        return [target](const TestDir &d) { std::filesystem::create_symlink(target, d.path / "backup.vuv"); };
    };
    const std::vector<Case> cases = {
        {.what = "folder missing",
         .args = {"missing/x", "a"},
         .status = 2,
         .out = creating("missing/x.vuv"),
         .err = no_entry},
        {.what = "both streams in one file",
         .args = {"missing/x"},
         .redirect = "2>&1",
         .status = 2,
         .out = creating("missing/x.vuv") + no_entry},
        {.what = "archive cannot be written",
         .setup = link("/dev/full"),
         .args = {"backup", "a"},
         .status = 2,
         .out = one_file,
         .err = "RERER: cannot write backup.vuv: No space left on device\n",
         .left = {{"backup.vuv", "-> /dev/full"}}},
        {.what = "archive is a link: its target is written",
         .setup =
             [](const TestDir &d) {
                 std::ofstream(d.path / "kept") << "important";
                 std::filesystem::create_symlink("kept", d.path / "backup.vuv");
             },
         .args = {"backup"},
         .status = 1,
         .out = creating("backup.vuv"),
         .left = {{"backup.vuv", "-> kept"}, {"kept", "\xd8"}}},
        {.what = "archive is a dangling link: its target is made",
         .setup = link("made"),
         .args = {"backup"},
         .status = 1,
         .out = creating("backup.vuv"),
         .left = {{"backup.vuv", "-> made"}, {"made", "\xd8"}}},
        {.what = "output redirected into the archive",
         .args = {"backup", "a"},
         .redirect = ">backup.vuv",
         .status = 1,
         .left = {{"backup.vuv", one_file}}},
        {.what = "output fails during the run",
         .args = {"backup", block},
         .before = "trap '' XFSZ; ulimit -f 8;",  // 8 blocks of 512 bytes
         .status = 2,
         .out = (head + block + ": vizido.\n").substr(0, 4096),
         .err = "RERER: cannot write standard output: File too large\n",
         .left = {{"backup.vuv", "\x65"}}},
        {.what = "name is a folder",
         .setup = [](const TestDir &d) { std::filesystem::create_directory(d.path / "backup.vuv"); },
         .args = {"backup", "a"},
         .status = 2,
         .out = creating("backup.vuv"),
         .err = "RERER: cannot create backup.vuv: Is a directory\n",
         .left = {{"backup.vuv", "/"}}},
        {.what = "name too long",
         .args = {too_long, "a"},
         .status = 2,
         .out = creating(too_long + ".vuv"),
         .err = "RERER: cannot create " + too_long + ".vuv: File name too long\n"},
        {.what = "long name that fits",
         .setup = [&](const TestDir &d) { std::filesystem::create_directories(d.path / deep); },
         .args = {deep + "x"},
         .status = 1,
         .out = creating(deep + "x.vuv"),
         .left = deep_left},
        {.what = "archive truncated",
         .setup = [](const TestDir &d) { std::ofstream(d.path / "backup.vuv") << std::string(99999, 'x'); },
         .args = {"backup"},
         .status = 1,
         .out = creating("backup.vuv"),
         .left = {{"backup.vuv", "\xd8"}}},
        {.what = "output full",
         .args = {"backup", "a"},
         .redirect = ">/dev/full",
         .status = 2,
         .err = no_space,
         .left = {{"backup.vuv", "\x65"}}},
        {.what = "output closed", .args = {"backup", "a"}, .redirect = ">&-", .status = 2, .err = closed},
        {.what = "usage, output full", .args = {"?"}, .redirect = ">/dev/full", .status = 2, .err = no_space},
        {.what = "usage, output closed", .args = {"?"}, .redirect = ">&-", .status = 2, .err = closed},
        {.what = "error closed",
         .args = {"backup", "a"},
         .redirect = "2>&-",
         .status = 1,
         .out = one_file,
         .left = {{"backup.vuv", "\x65"}}},
        {.what = "error and input closed",
         .args = {"backup"},
         .redirect = "<&- 2>&-",
         .status = 1,
         .out = creating("backup.vuv"),
         .left = {{"backup.vuv", "\xd8"}}},
        {.what = "error closed, folder missing",
         .args = {"missing/x"},
         .redirect = "2>&-",
         .status = 2,
         .out = creating("missing/x.vuv")},
        {.what = "error closed, output full",
         .args = {"backup"},
         .redirect = ">/dev/full 2>&-",
         .status = 2,
         .left = {{"backup.vuv", "\xd8"}}},
        {.what = "read-only folder",
         .setup = [](const TestDir &d) { std::filesystem::permissions(d.path, std::filesystem::perms(0555)); },
         .args = {"backup", "a"},
         .status = 2,
         .out = creating("backup.vuv"),
         .err = "RERER: cannot create backup.vuv: Permission denied\n",
         .as_nobody = true},
    };
    // A copy of the binary that an unprivileged user can run, wherever the build is.
    TestDir bin;
    std::filesystem::permissions(bin.path, std::filesystem::perms(0755));
    const std::string path = bin.path / "rerer_fast";
    std::filesystem::copy_file(fast_bin, path);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestDir dir;
        if (c.setup)
            c.setup(dir);
        auto args = c.args;
        args.insert(args.begin(), "RERER");
        const Result r = spawn(dir, {path, args, c.redirect, c.before, c.as_nobody});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(dir.listing(), c.left);
    }
}

// The shipped binary, with its real pauses: one second, then the files' pauses
// of 0.5, 0.2 and 0.4 seconds, none of them cut short, none doubled or endless.
TEST(Binary, RealPausesKeepToTheSchedule)
{
    TestDir dir;
    const auto start = std::chrono::steady_clock::now();
    const Result r = run(dir, tool_bin, {"backup", "a", "b", "c"});
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.substr(0, creating("backup.vuv").size()), creating("backup.vuv"));
    EXPECT_EQ(dir.read("backup.vuv"), "\xcd");
    EXPECT_GE(took.count(), 2.1);
    EXPECT_LT(took.count(), 2.6);
}

// An interrupt during the one-second pause ends the run with the archive empty;
// a signal that does not end the process does not shorten the pause.
TEST(Binary, SignalsDuringAPause)
{
    TestDir dir;
    // Sends SIGNALS to the run once the archive exists, when the pause has begun.
    const auto once_created = [&dir](const std::vector<int> &signals) {
        return [&dir, signals](pid_t pid) {
            for (int ms = 0; ms < 5000 && !std::filesystem::exists(dir.path / "backup.vuv"); ms++)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            for (const int signal : signals)
                kill(pid, signal);
        };
    };
    const Result r = spawn(dir, {tool_bin, {"RERER", "backup", "a"}}, once_created({SIGINT}));
    EXPECT_EQ(r.status, 128 + SIGINT);
    EXPECT_EQ(dir.listing(), (std::map<std::string, std::string>{{"backup.vuv", ""}}));

    std::filesystem::remove(dir.path / "backup.vuv");
    const auto start = std::chrono::steady_clock::now();
    const Result s = spawn(dir, {tool_bin, {"RERER", "backup"}}, once_created({SIGSTOP, SIGCONT}));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(s.status, 1);
    EXPECT_GE(took.count(), 1.0);
    EXPECT_EQ(dir.read("backup.vuv"), "\xd8");
}
