// Temporary folders and small file helpers shared by the core tests.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include "win32/wine.h"
#endif

namespace ordalis::test {

// Creates and returns a new, empty folder named `prefix` + a random number.
inline std::filesystem::path makeTempDir(const std::string& prefix)
{
    for (std::random_device random;;)  // create_directory is false when the name was taken
        if (auto path = std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
            std::filesystem::create_directory(path))
            return path;
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ostringstream out;
    out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The names in `folder`, sorted.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

// A fresh folder, removed at the end even when a test took its write permissions away.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "ordalis-test-") : path_(makeTempDir(prefix)) {}
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow, ec);
        fs::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes `relative`, creating its folders.
    std::string put(const std::string& relative, const std::string& bytes = "x") const
    {
        std::filesystem::create_directories((path_ / relative).parent_path());
        writeFile(path_ / relative, bytes);
        return file(relative);
    }
    std::string read(const std::string& name) const { return readFile(path_ / name); }
    std::vector<std::string> names() const { return namesIn(path_); }

private:
    std::filesystem::path path_;
};

#ifndef _WIN32
// Sets (with nullptr: removes) an environment variable for the life of the guard; a new TZ takes effect at once.
class Env {
public:
    Env(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            saved_ = old;
        set(value);
    }
    ~Env() { set(saved_ ? saved_->c_str() : nullptr); }

private:
    void set(const char* value) const { value ? ::setenv(name_, value, 1) : ::unsetenv(name_), ::tzset(); }
    const char* name_;
    std::optional<std::string> saved_;
};

// Wine's differences from Windows (win32/wine.h) concern the Windows build alone.
inline bool underWine() { return false; }
inline bool wineRunByRoot() { return false; }
inline bool checkWindowsBehaviour(bool, std::string_view) { return true; }
#endif

}  // namespace ordalis::test
