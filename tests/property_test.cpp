// SPDX-License-Identifier: ISC
// Random argument vectors against the invariants of every run.
#include "rerer.h"
#include "spawn.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>

// The archive byte after N announced files: the generator's draw N + 1.
static std::string byte_after(std::size_t n)
{
    std::srand(1);
    int r = std::rand();
    for (std::size_t i = 0; i < n; i++)
        r = std::rand();
    return std::string(1, static_cast<char>(scale(r, 256) + 1));
}

// Argument counts 0 to 64; arguments of 0 to 4,096 bytes from 1 to 255;
// archive names among the files; folder parts that exist and that do not.
static std::vector<std::string> random_argv(std::mt19937 &gen)
{
    auto below = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    auto bytes = [&](int most, bool slashes) {
        std::string s(static_cast<std::size_t>(below(most + 1)), ' ');
        for (auto &c : s)
            do
                c = static_cast<char>(1 + below(255));
            while (!slashes && c == '/');
        return s;
    };
    const int argc = below(65);
    std::vector<std::string> argv;
    if (argc == 0)
        return argv;
    argv.emplace_back("RERER");
    if (argc == 1)
        return argv;
    // Mostly names that a file system takes; never an absolute path or "..".
    const char *folders[] = {"", "", "", "sub/", "missing/", "sub/missing/"};
    std::string first = folders[below(6)] + bytes(below(8) == 0 ? 4096 : 40, false);
    if (below(4) == 0)
        first.insert(0, 1, "*?"[below(2)]);
    argv.push_back(first);
    for (int i = 2; i < argc; i++)
        argv.push_back(below(5) == 0 ? first + ".vuv" : bytes(below(10) == 0 ? 4096 : 30, true));
    return argv;
}

enum Kind : std::uint8_t { usage_run, failed_run, finished_run };

// Returns what is wrong with running ARGV, or "" when every invariant holds;
// KIND tells which way the run ended.
static std::string check(const std::vector<std::string> &argv, Kind &kind)
{
    TestDir dir;
    std::filesystem::create_directory(dir.path / "sub");
    const Result r = spawn(dir, {fast_bin, argv});
    auto left = dir.listing();
    left.erase("sub");

    if (argv.size() < 2 || argv[1][0] == '*' || argv[1][0] == '?') {
        kind = usage_run;
        if (r.status != 1 || r.out != usage_text || !r.err.empty() || !left.empty())
            return "usage run";
        return "";
    }
    const std::string name = argv[1] + ".vuv";
    const std::string head = creating(name);
    kind = r.status == 2 ? failed_run : finished_run;
    if (r.status == 2) {
        const std::string prefix = "RERER: cannot create " + name + ": ";
        if (r.out != head || r.err.compare(0, prefix.size(), prefix) != 0 || !left.empty())
            return "failed run";
        return "";
    }
    std::string expected = head;
    std::size_t announced = 0;
    for (std::size_t i = 2; i < argv.size(); i++)
        if (argv[i] != name) {
            expected += "\tAdding " + argv[i] + ": vizido.\n";
            announced++;
        }
    if (r.status != 1)
        return "status " + std::to_string(r.status);
    if (r.out != expected || !r.err.empty())
        return "messages";
    if (left != std::map<std::string, std::string>{{name, byte_after(announced)}})
        return "files left";
    return "";
}

TEST(Property, RandomArgumentVectors)
{
    const unsigned seed = 20261208;
    const char *vectors = std::getenv("RERER_TEST_VECTORS");  // more for a longer search
    const int count = vectors != nullptr ? static_cast<int>(std::strtol(vectors, nullptr, 10)) : 300;
    std::mt19937 gen(seed);
    int kinds[3] = {};
    for (int i = 0; i < count; i++) {
        const auto argv = random_argv(gen);
        Kind kind{};
        ASSERT_EQ(check(argv, kind), "") << "seed " << seed << ", vector " << i << " of " << argv.size() << " elements";
        kinds[kind]++;
    }
    std::printf("%d argument vectors (seed %u): %d usage runs, %d failed runs, %d finished runs\n", count, seed,
                kinds[usage_run], kinds[failed_run], kinds[finished_run]);
    EXPECT_GT(kinds[finished_run], count / 3) << "the vectors should mostly reach the archive run";
}
