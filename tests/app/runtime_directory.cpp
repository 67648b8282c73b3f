// SPDX-License-Identifier: MIT
#include "runtime_directory.h"

#include <stdlib.h>

#include <stdexcept>

namespace keld::test {

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = ::getenv(name)) previous_ = old;
    if (value != nullptr) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    if (previous_) {
        ::setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        ::unsetenv(name_.c_str());
    }
}

RuntimeDirectory::RuntimeDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "keld-runtime-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a runtime directory");
    path_ = pattern;
    variable_.emplace("XDG_RUNTIME_DIR", path_.c_str());
}

RuntimeDirectory::~RuntimeDirectory() {
    variable_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace keld::test
