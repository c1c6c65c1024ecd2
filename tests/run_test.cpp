// End-to-end: the built binary in a fresh folder, with exact standard output,
// standard error, exit status and what is left on disk.
#include "test_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Result {
    int status;
    std::string out, err;
};

static const TestDir capture;

// Executes PATH with exactly ARGV (element 0 included) in DIR.
static Result spawn(const TestDir &dir, const char *path, std::vector<std::string> argv)
{
    std::vector<char *> ptrs;
    for (auto &a : argv)
        ptrs.push_back(a.data());
    ptrs.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open((capture.path / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open((capture.path / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (chdir(dir.path.c_str()) == 0 && dup2(out, 1) == 1 && dup2(err, 2) == 2) {
            close(out);
            close(err);
            execv(path, ptrs.data());
        }
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), capture.read("out"),
            capture.read("err")};
}

// Runs BIN with ARGS; a REDIRECT such as ">&-" is applied by a shell, which
// then executes the binary with the arguments unchanged.
static Result run(const TestDir &dir, const char *bin, std::vector<std::string> args, const std::string &redirect = "")
{
    args.insert(args.begin(), bin);
    if (redirect.empty())
        return spawn(dir, bin, args);
    args.insert(args.begin(), {"sh", "-c", "exec \"$0\" \"$@\" " + redirect});
    return spawn(dir, "/bin/sh", args);
}

static std::string creating(const std::string &name)
{
    return banner_text + "\nCreating VUV: " + name + "\n";
}

TEST(Binary, UsagePaths)
{
    TestDir dir;
    const Result expected{1, usage_text, ""};
    for (const auto &args : std::vector<std::vector<std::string>>{{}, {"?"}, {"?", "a", "b"}, {"*"}, {"*.c", "x"}}) {
        const Result r = run(dir, RERER_FAST_BIN, args);
        EXPECT_EQ(r.status, expected.status);
        EXPECT_EQ(r.out, expected.out);
        EXPECT_EQ(r.err, expected.err);
    }
    // An empty argument vector, as a launching program may pass it.
    const Result r = spawn(dir, RERER_FAST_BIN, {});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, usage_text);
    EXPECT_EQ(dir.entries(), 0u);
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
        {{"backup", "nosuchfile", "/"}, "backup.vuv",
         creating("backup.vuv") + "\tAdding nosuchfile: vizido.\n\tAdding /: vizido.\n", '\xc9'},
    };
    for (const auto &c : cases) {
        TestDir dir;
        const Result r = run(dir, RERER_FAST_BIN, c.args);
        EXPECT_EQ(r.status, 1) << c.archive;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(dir.read(c.archive), std::string(1, c.byte)) << c.archive;
        EXPECT_EQ(dir.entries(), 1u) << c.archive;
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
    const Result r = run(dir, RERER_FAST_BIN, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out == expected);
    EXPECT_EQ(dir.read("backup.vuv").size(), 1u);
}

TEST(Binary, Failures)
{
    const std::string long_name(300, 'n');
    struct Case {
        std::vector<std::string> args;
        std::string redirect, out, err;
        std::size_t entries;  // left in the folder, where "backup.vuv" is a folder already
    };
    const std::vector<Case> cases = {
        {{"missing/x", "notes"}, "", creating("missing/x.vuv"),
         "RERER: cannot create missing/x.vuv: No such file or directory\n", 1},
        {{"backup", "notes"}, "", creating("backup.vuv"), "RERER: cannot create backup.vuv: Is a directory\n", 1},
        {{long_name, "notes"}, "", creating(long_name + ".vuv"),
         "RERER: cannot create " + long_name + ".vuv: File name too long\n", 1},
        {{"out", "notes"}, ">/dev/full", "", "RERER: cannot write standard output: No space left on device\n", 2},
        {{"out", "notes"}, ">&-", "", "RERER: cannot write standard output: Bad file descriptor\n", 1},
        {{"?"}, ">&-", "", "RERER: cannot write standard output: Bad file descriptor\n", 1},
        {{"?"}, ">/dev/full", "", "RERER: cannot write standard output: No space left on device\n", 1},
    };
    for (const auto &c : cases) {
        TestDir dir;
        std::filesystem::create_directory(dir.path / "backup.vuv");
        const Result r = run(dir, RERER_FAST_BIN, c.args, c.redirect);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(dir.entries(), c.entries) << c.err;
        if (c.entries == 2) {
            EXPECT_EQ(dir.read("out.vuv"), "\x65");
        }
    }
}

TEST(Binary, ClosedStandardErrorAndInputStayOutOfTheArchive)
{
    for (const char *redirect : {"2>&-", "<&- 2>&-"}) {
        TestDir dir;
        const Result r = run(dir, RERER_FAST_BIN, {"backup", "notes"}, redirect);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, creating("backup.vuv") + "\tAdding notes: vizido.\n");
        EXPECT_EQ(dir.read("backup.vuv"), "\x65");
    }
}

// The shipped binary, with its real pauses: one second, then the files' pauses.
TEST(Binary, RealPausesKeepToTheSchedule)
{
    const std::vector<std::pair<std::vector<std::string>, double>> cases = {
        {{"backup"}, 1.0},
        {{"backup", "a", "b", "c"}, 2.1},
    };
    for (const auto &[args, seconds] : cases) {
        TestDir dir;
        const auto start = std::chrono::steady_clock::now();
        const Result r = run(dir, RERER_BIN, args);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out.substr(0, creating("backup.vuv").size()), creating("backup.vuv"));
        EXPECT_EQ(dir.read("backup.vuv"), args.size() == 1 ? "\xd8" : "\xcd");
        EXPECT_GE(took.count(), seconds);
        EXPECT_LT(took.count(), seconds + 0.2);
    }
}
