// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace keld::test {

// Sets (or, with null, removes) an environment variable for the life of the
// object and puts the old value back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// A fresh runtime directory of the test's own, set as $XDG_RUNTIME_DIR, so
// that no instance lock of a program the user runs is touched. Removed with
// everything in it at the end.
class RuntimeDirectory {
public:
    RuntimeDirectory();
    ~RuntimeDirectory();
    RuntimeDirectory(const RuntimeDirectory&) = delete;
    RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::optional<ScopedEnvironment> variable_;
};

}  // namespace keld::test
