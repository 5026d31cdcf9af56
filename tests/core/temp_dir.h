// A fresh folder under the system's temporary folder, on every system.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace ordalis::test {

// Creates and returns a new, empty folder named `prefix` + a random number.
inline std::filesystem::path makeTempDir(const std::string& prefix)
{
    std::random_device random;
    for (;;) {  // create_directory is false when the name was taken
        const auto candidate = std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        if (std::filesystem::create_directory(candidate))
            return candidate;
    }
}

}  // namespace ordalis::test
