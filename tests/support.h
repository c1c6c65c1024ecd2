// SPDX-License-Identifier: ISC
#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A fresh folder under the system's temporary folder, removed afterwards.
struct TestDir {
    std::filesystem::path path;
    TestDir()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "rerer-XXXXXX").string();
        path = mkdtemp(templ.data());
    }
    ~TestDir() { std::filesystem::remove_all(path); }
    std::string read(const std::string &name) const
    {
        std::ifstream in(path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() const
    {
        auto it = std::filesystem::directory_iterator(path);
        return static_cast<std::size_t>(std::distance(it, {}));
    }
    // Every file below the folder with its content, every folder as "/" and
    // every symbolic link as "-> " and its target.
    std::map<std::string, std::string> listing() const
    {
        std::map<std::string, std::string> all;
        for (const auto &e : std::filesystem::recursive_directory_iterator(path)) {
            const auto name = e.path().lexically_relative(path).string();
            all[name] = e.is_symlink()     ? "-> " + std::filesystem::read_symlink(e.path()).string()
                        : e.is_directory() ? "/"
                                           : read(name);
        }
        return all;
    }
};

// A NUL-terminated vector of pointers into STRINGS, as main receives it.
inline std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> ptrs;
    ptrs.reserve(strings.size() + 1);
    for (auto &s : strings)
        ptrs.push_back(s.data());
    ptrs.push_back(nullptr);
    return ptrs;
}

inline constexpr std::string_view usage_text = "\nRERER Create/Update Utility  Version " RERER_VERSION "\n"
                                               "Files are announced only, never read: a VUV archive holds one byte.\n"
                                               "\nUsage:  RERER vokfile [files...]\n";
inline constexpr std::string_view banner_text = usage_text.substr(0, usage_text.find("\nUsage"));

// The output of a run up to its "Creating" line.
inline std::string creating(const std::string &name)
{
    return std::string(banner_text) + "\nCreating VUV: " + name + "\n";
}
