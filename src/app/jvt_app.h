// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/instance_lock.h"
#include "base/module_directory.h"
#include "selection/launch_parameters.h"
#include "session/selection_session.h"
#include "ui/dialog_message_sink.h"

namespace keld::ui {
class UserDialogs;
}

namespace keld {

// The application object: the start-up of the program and what it holds for
// the whole run — the instance lock, the launch values, the program's
// directory and the selection session with its performance database. A
// QApplication must exist before it starts.
class CJVTApp {
public:
    // `moduleDirectory` is where the database lies: the program's own
    // directory, unless a test puts one of its own in its place.
    explicit CJVTApp(ui::UserDialogs& dialogs, std::string moduleDirectory = ModuleDirectory());
    ~CJVTApp();
    CJVTApp(const CJVTApp&) = delete;
    CJVTApp& operator=(const CJVTApp&) = delete;

    // The whole run: start() and, when it succeeds, the main window until the
    // user closes it. The process's exit status: 0 after the window closed,
    // 1 when the start failed (its message has been shown).
    int InitInstance();

    // The start-up steps up to the open database, in order: the single
    // instance ("You've open the sofrware!"), the launch block ("Open data
    // error!", "Read data error!") and the database (its own description,
    // then "Dadabase link error!"). False after the message of the step that
    // failed.
    bool start();

    const LaunchParameters& launchParameters() const { return launch_; }
    const std::string& moduleDirectory() const { return moduleDirectory_; }
    // The session of the started program; null before start() succeeded.
    SelectionSession* session() { return session_.get(); }

private:
    void fail(const char* message);

    ui::UserDialogs& dialogs_;
    ui::DialogMessageSink messages_;
    std::string moduleDirectory_;
    std::optional<InstanceLock> instanceLock_;
    LaunchParameters launch_;
    std::unique_ptr<SelectionSession> session_;
};

}  // namespace keld
