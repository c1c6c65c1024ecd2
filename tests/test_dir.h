#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

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
    // Every file below the folder with its content, and every folder as "/".
    std::map<std::string, std::string> listing() const
    {
        std::map<std::string, std::string> all;
        for (const auto &e : std::filesystem::recursive_directory_iterator(path)) {
            const auto name = e.path().lexically_relative(path).string();
            all[name] = e.is_directory() ? "/" : read(name);
        }
        return all;
    }
};

inline const std::string usage_text = "\nRERER Create/Update Utility  Version 1.0\n"
                                      "Files are announced only, never read: a VUV archive holds one byte.\n"
                                      "\nUsage:  RERER vokfile [files...]\n";
inline const std::string banner_text = usage_text.substr(0, usage_text.find("\nUsage"));
