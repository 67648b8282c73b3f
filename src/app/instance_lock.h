// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// The marker that only one copy of the program runs for a user: an advisory
// lock on a file. The kernel drops the lock when the process ends, however it
// ends, so a crash never keeps the next start out.
class InstanceLock {
public:
    enum class State {
        Held,           // this process is the running instance
        HeldByAnother,  // another process holds the lock: a copy already runs
        Unguarded,      // the lock file cannot be made; the program runs without the guard
    };

    // Tries once, without waiting, to take the lock on `path`, creating the
    // file (mode 0600) when it is missing. An empty path takes no lock. A file that cannot be made or
    // opened, such as another user's file of the same name, leaves the
    // program unguarded rather than refusing the start.
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unguarded;
};

// "KELD_Tow_Norvex" in the user's runtime directory ($XDG_RUNTIME_DIR, when
// it is an absolute path), or else in the user's own folder "keld-<user id>"
// of the temporary directory, made 0700. Empty when that folder is not the
// user's own (another user made it first): the program then runs unguarded,
// since a lock another user could hold would keep this user out.
std::string InstanceLockPath();

}  // namespace keld
